# Every build first checks that no source file includes against the layers (see
# CheckLayers.cmake); a wrong-way include stops the build with the file and the header named.
file(GLOB_RECURSE layer_checked_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/* ${PROJECT_SOURCE_DIR}/tools/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/layers.stamp
  COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/src -DTOOLS=${PROJECT_SOURCE_DIR}/tools
          -DSTAMP=${CMAKE_BINARY_DIR}/layers.stamp
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
  DEPENDS ${layer_checked_sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
  COMMENT "Checking includes against the layers"
  VERBATIM)
add_custom_target(layer_check ALL DEPENDS ${CMAKE_BINARY_DIR}/layers.stamp)
