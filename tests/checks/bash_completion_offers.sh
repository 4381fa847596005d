#!/usr/bin/env bash
# The bash completion of talvo-cli offers the program's commands, a command's options and the
# port numbers. usage: bash_completion_offers.sh COMPLETION_FILE TALVO_CLI
set -uo pipefail
completion=$1 cli=$2
# The English help, which the page and the completion follow (TALVO_LANG=pseudo would translate it).
unset TALVO_LANG
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
  echo "bash-completion is not installed"
  exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
ln -s "$(realpath "$cli")" "$folder/talvo-cli"
export PATH="$folder:$PATH"
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"
offers() {  # offers "WORDS..." -> the completions of the last word
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _talvo_cli talvo-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
  printf '%s\n' "${COMPREPLY[@]}"
}
fail=0
expect() {  # expect "WANTED" WORDS...
  local wanted=$1
  shift
  local offered
  offered=$(offers "$@")
  if ! grep -qx -- "$wanted" <<<"$offered"; then
    echo "completing '$*' does not offer '$wanted'; it offers: $(tr '\n' ' ' <<<"$offered")"
    fail=1
  fi
}
for command in $("$cli" --help | awk '/^commands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}'); do
  expect "$command" talvo-cli ""
done
expect ports talvo-cli po
expect --port talvo-cli read --p
expect --out talvo-cli read --port 1 --o
expect 16 talvo-cli write --port 1
for code in $("$cli" --help | sed -n 's/^languages (--lang): //p'); do
  expect "$code" talvo-cli decode --lang "${code:0:1}"
done
expect es talvo-cli decode --lang e
exit $fail
