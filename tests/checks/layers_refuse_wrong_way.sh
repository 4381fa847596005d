#!/usr/bin/env bash
# The layer check passes on the sources as they are and stops a build on a wrong-way include.
set -euo pipefail
root="$1"
cmake -DSRC="$root/src" -P "$root/cmake/CheckLayers.cmake"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -r "$root/src" "$tmp/src"
for bad in "ui/grid_helpers.h:app/main_window.h" "print/print_content.h:editors/editor_window.h" \
           "editors/editor_window.h:app/main_window.h" "model/band.h:image/layout.h" \
           "cli/command.h:ui/local_msgbox.h" "model/band.h:<image/layout.h>" \
           "document/document.h:<editors/editor_window.h>"; do
  file=${bad%%:*}
  header=${bad#*:}
  cp "$root/src/$file" "$tmp/src/$file"
  case "$header" in
    "<"*) echo "#include $header" >>"$tmp/src/$file" ;;
    *) echo "#include \"$header\"" >>"$tmp/src/$file" ;;
  esac
  if cmake -DSRC="$tmp/src" -P "$root/cmake/CheckLayers.cmake" >/dev/null 2>&1; then
    echo "not refused: $file including $header"
    exit 1
  fi
  cp "$root/src/$file" "$tmp/src/$file"
done
