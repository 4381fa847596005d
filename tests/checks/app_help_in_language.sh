#!/usr/bin/env bash
# talvo --help speaks the language the program starts in (the remembered one, or the
# pseudo-language of TALVO_LANG=pseudo): its own texts come from the catalogue, the options stay.
# usage: app_help_in_language.sh TALVO
set -uo pipefail
talvo=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export TALVO_CONFIG_DIR=$home QT_QPA_PLATFORM=offscreen
unset TALVO_LANG
fail=0
options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
english=$("$talvo" --help)
ours=("Programming software for the TALVO radio."
      "Attach a virtual radio with a sample configuration as port 1."
      "A data file (.dat) to open at start.")
for text in "${ours[@]}"; do
  grep -qF -- "$text" <<<"$english" || { echo "the English help lacks: $text"; fail=1; }
done
check() {  # check NAME HELP
  for text in "${ours[@]}"; do
    if grep -qF -- "$text" <<<"$2"; then echo "$1: still English: $text"; fail=1; fi
  done
  [ "$(options <<<"$2")" = "$(options <<<"$english")" ] ||
    { echo "$1: the options differ from the English help"; fail=1; }
}
printf '[RQZ-DW]\nBinaryValue=0\n' >"$home/talvo.ini"
check Chinese "$("$talvo" --help)"
printf '[RQZ-DW]\nBinaryValue=1\n[Language]\nFurther=es\n' >"$home/talvo.ini"
check Spanish "$("$talvo" --help)"
rm "$home/talvo.ini"
pseudo=$(TALVO_LANG=pseudo "$talvo" --help)
check pseudo "$pseudo"
[ "$(grep -c '~\]' <<<"$pseudo")" -ge ${#ours[@]} ] || { echo "pseudo: texts without brackets"; fail=1; }
exit $fail
