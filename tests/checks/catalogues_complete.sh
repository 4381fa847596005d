#!/usr/bin/env bash
# Every shipped catalogue (translations/talvo_*.ts) is finished and current: no unfinished,
# obsolete or vanished entry, and lupdate over the sources would add none (a text marked in
# the code that no catalogue holds). Run update_translations, translate, and build to mend.
# usage: catalogues_complete.sh LUPDATE PROJECT_ROOT
set -uo pipefail
lupdate=$1 root=$2
problems=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
shopt -s nullglob
catalogues=("$root"/translations/talvo_*.ts)
if [ "${#catalogues[@]}" -eq 0 ]; then
  echo "no catalogue in $root/translations"
  exit 1
fi
for ts in "${catalogues[@]}"; do
  name=${ts##*/}
  for kind in unfinished obsolete vanished; do
    n=$(grep -c "type=\"$kind\"" "$ts")
    if [ "$n" -gt 0 ]; then
      echo "$name: $n $kind entries"
      problems=$((problems + 1))
    fi
  done
  cp "$ts" "$scratch/$name"
  out=$("$lupdate" "$root/src" -extensions cpp,h -no-obsolete -locations none \
        -tr-function-alias QT_TRANSLATE_NOOP+=TALVO_TEXT,QT_TRANSLATE_NOOP3+=TALVO_TEXT3,QT_TRANSLATE_N_NOOP3+=TALVO_PLURAL \
        -ts "$scratch/$name" 2>&1)
  new=$(echo "$out" | sed -n 's/.*Found [0-9]* source text(s) (\([0-9]*\) new.*/\1/p')
  removed=$(echo "$out" | sed -n 's/.*Removed \([0-9]*\) obsolete.*/\1/p')
  if [ -z "$new" ]; then
    echo "$name: lupdate did not run as expected:"
    echo "$out"
    problems=$((problems + 1))
    continue
  fi
  if [ "$new" -gt 0 ]; then
    echo "$name: $new texts of the code are missing (lupdate would add them):"
    diff <(grep -o '<source>.*</source>' "$ts" | sort) \
         <(grep -o '<source>.*</source>' "$scratch/$name" | sort) | grep '^>' | head -20
    problems=$((problems + 1))
  fi
  if [ -n "$removed" ] && [ "$removed" -gt 0 ]; then
    echo "$name: $removed entries no longer in the code"
    problems=$((problems + 1))
  fi
done
[ "$problems" -eq 0 ]
