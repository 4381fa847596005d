# What `cmake --install` puts where, and the Debian package built from it (cpack -G DEB in
# the build folder). Everything the installed program needs is installed here; it uses
# nothing from the build or source tree at run time.
set(talvo_packaging ${PROJECT_SOURCE_DIR}/packaging)

# Installed programs resolve every library symbol at start and keep the relocation table
# read-only (Debian's hardening for programs).
foreach(program talvo talvo-cli talvo-radio-sim)
  target_link_options(${program} PRIVATE -Wl,-z,relro -Wl,-z,now)
endforeach()
install(TARGETS talvo talvo-cli RUNTIME DESTINATION bin)
# The virtual radio of `talvo --demo`, a helper of the program rather than a user command.
install(TARGETS talvo-radio-sim RUNTIME DESTINATION libexec/talvo)
install(FILES ${talvo_packaging}/org.talvo.talvo.desktop DESTINATION share/applications)
install(FILES ${talvo_packaging}/org.talvo.talvo.metainfo.xml DESTINATION share/metainfo)
install(FILES ${talvo_packaging}/icons/talvo.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${talvo_packaging}/icons/hicolor/${size}x${size}/apps/talvo.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${talvo_packaging}/70-talvo.rules DESTINATION lib/udev/rules.d)
install(FILES ${talvo_packaging}/talvo-cli.bash DESTINATION share/bash-completion/completions
        RENAME talvo-cli)
install(FILES ${talvo_packaging}/copyright DESTINATION share/doc/talvo)

# Manual pages and the changelog, compressed without a time stamp (reproducible).
set(talvo_gz_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(talvo_gz_files)
foreach(source man/talvo.1 man/talvo-cli.1 changelog)
  get_filename_component(name ${source} NAME)
  if(name STREQUAL "changelog")
    set(name changelog)  # a native package's changelog
  endif()
  add_custom_command(
    OUTPUT ${talvo_gz_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${talvo_gz_dir}
    COMMAND gzip -9nc ${talvo_packaging}/${source} > ${talvo_gz_dir}/${name}.gz
    DEPENDS ${talvo_packaging}/${source}
    VERBATIM)
  list(APPEND talvo_gz_files ${talvo_gz_dir}/${name}.gz)
endforeach()
add_custom_target(talvo_packaging_files ALL DEPENDS ${talvo_gz_files})
install(FILES ${talvo_gz_dir}/talvo.1.gz ${talvo_gz_dir}/talvo-cli.1.gz DESTINATION share/man/man1)
install(FILES ${talvo_gz_dir}/changelog.gz DESTINATION share/doc/talvo)

# The manual pages follow the programs' --help; the completion offers their commands.
add_test(NAME man_pages_match_help
         COMMAND ${PROJECT_SOURCE_DIR}/tests/checks/man_pages_match_help.sh
                 $<TARGET_FILE:talvo> $<TARGET_FILE:talvo-cli> ${talvo_packaging}/man)
add_test(NAME bash_completion_offers
         COMMAND ${PROJECT_SOURCE_DIR}/tests/checks/bash_completion_offers.sh
                 ${talvo_packaging}/talvo-cli.bash $<TARGET_FILE:talvo-cli>)
set_tests_properties(bash_completion_offers PROPERTIES SKIP_RETURN_CODE 77)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "talvo developers <talvo@talvo.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the TALVO handheld radio")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "talvo reads the 3,072-byte configuration memory of the TALVO dual-band
handheld radio over a USB serial programming cable, edits its 128 channels
and radio-wide settings in windows (English, Simplified Chinese or Spanish),
writes them back and keeps copies in data files. talvo-cli does the same from
the command line and lists the serial ports with the device each number
reaches.
.
A udev rule gives the logged-in user access to cables with CH340, PL2303,
FTDI and CP210x chips and keeps ModemManager away from them.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese interface needs a CJK font; Qt's own dialogs speak Chinese and Spanish with Qt's
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-zenhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${talvo_packaging}/postinst ${talvo_packaging}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
