#!/usr/bin/env bash
# The layer check passes on the sources as they are and stops a build on a wrong-way include,
# an include that climbs with "..", a Qt header in the Qt-free core, a source file named other
# than .h/.cpp, and a tool that includes the program's headers.
set -euo pipefail
root="$1"
check() { cmake -DSRC="$1/src" -DTOOLS="$1/tools" -P "$root/cmake/CheckLayers.cmake"; }
check "$root"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$root/src" "$tmp/src"
cp -r "$root/tools" "$tmp/tools"
refused() {
  if check "$tmp" >/dev/null 2>&1; then
    echo "not refused: $1"
    exit 1
  fi
}
for bad in "src/ui/grid_helpers.h:app/main_window.h" "src/print/print_content.h:editors/editor_window.h" \
           "src/editors/editor_window.h:app/main_window.h" "src/radio/state/band.h:radio/codecs/codecs.h" \
           "src/cli/command.h:ui/local_msgbox.h" "src/radio/state/band.h:<radio/codecs/codecs.h>" "src/radio/memory/memory.h:radio/state/band.h" \
           "src/model/text.h:radio/state/band.h" "src/radio/memory/memory.h:model/text.h" \
           "src/radio/state/band.h:radio/fields/channel_fields.h" "src/radio/codecs/decode.h:radio/fields/channel_fields.h" \
           "src/document/document.h:<editors/editor_window.h>" \
           "src/app/main_window.h:app/../cli/command.h" "src/radio/state/band.h:model/../app/main_window.h" \
           "src/jobs/job.h:<QString>" "src/radio/state/band.h:<QtCore/QObject>" \
           "tools/radio-sim/pty_line.h:link/protocol/frames.h" \
           "tools/radio-sim/pty_line.h:../../src/link/protocol/frames.h"; do
  file=${bad%%:*}
  header=${bad#*:}
  cp "$root/$file" "$tmp/$file"
  case "$header" in
    "<"*) echo "#include $header" >>"$tmp/$file" ;;
    *) echo "#include \"$header\"" >>"$tmp/$file" ;;
  esac
  refused "$file including $header"
  cp "$root/$file" "$tmp/$file"
done
for name in src/model/extra.hpp tools/radio-sim/extra.cc; do
  echo "// empty" >"$tmp/$name"
  refused "a source file named $name"
  rm "$tmp/$name"
done
