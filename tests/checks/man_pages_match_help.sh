#!/usr/bin/env bash
# The manual pages describe what the programs' --help lists: every talvo-cli command, every
# option of every command and of talvo, every exit status, and the version. Each gap is named
# with what to add, so whoever adds a command or an option sees how to mend the page.
# usage: man_pages_match_help.sh TALVO TALVO_CLI MAN_FOLDER
set -uo pipefail
talvo=$1 cli=$2 man=$3
# The English help, which the page and the completion follow (TALVO_LANG=pseudo would translate it).
unset TALVO_LANG
problems=0
gap() { echo "MISSING: $*"; problems=$((problems + 1)); }

# The text of a page with roff's escaped hyphens made plain.
plain() { sed -e 's/\\-/-/g' -e 's/\\(->/->/g' "$1"; }
# The lines of a page from ".SS NAME" (or ".SH NAME") to the next heading of either kind.
section() { plain "$1" | awk -v head="$2" '$0 == head {on = 1; next} on && /^\.S[HS] / {exit} on'; }
options_of() { grep -oE -- '(^|[^[:alnum:]-])--[a-z][a-z-]*' | grep -oE -- '--[a-z][a-z-]*' | sort -u; }

cli_page="$man/talvo-cli.1"
talvo_page="$man/talvo.1"
commands=$("$cli" --help | awk '/^commands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}')
[ -n "$commands" ] || gap "talvo-cli --help lists no commands (cannot check the page)"

for command in $commands; do
  body=$(section "$cli_page" ".SS $command")
  if [ -z "$body" ]; then
    gap "talvo-cli.1: command '$command' (in talvo-cli --help) has no '.SS $command' section under COMMANDS"
    continue
  fi
  for option in $("$cli" "$command" --help | options_of); do
    case "$option" in --help) continue ;; esac
    # --lang is described once for every command.
    if [ "$option" = "--lang" ]; then continue; fi
    grep -qF -- "$option" <<<"$body" ||
      gap "talvo-cli.1: option $option of '$command' (in talvo-cli $command --help) is not described in its '.SS $command' section"
  done
done
for described in $(plain "$cli_page" | awk '/^\.SH COMMANDS/ {on = 1; next} on && /^\.SH / {exit} on && /^\.SS / {print $2}'); do
  grep -qx -- "$described" <<<"$commands" ||
    gap "talvo-cli.1: section '.SS $described' describes a command that talvo-cli --help does not list"
done

# Every language of --lang on every line of the page that lists them ("--lang en|zh|es").
languages=$("$cli" --help | sed -n 's/^languages (--lang): //p')
[ -n "$languages" ] || gap "talvo-cli --help names no languages of --lang (cannot check the page)"
while read -r listed; do
  for code in $languages; do
    grep -qw -- "$code" <<<"${listed//|/ }" ||
      gap "talvo-cli.1: language $code (in talvo-cli --help) is missing from '$listed'"
  done
done < <(plain "$cli_page" | grep -oE -- '--lang "? ?[a-z]+(\|[a-z]+)+')

# Exit statuses named by any help text.
statuses=$( { "$cli" --help; for c in $commands; do "$cli" "$c" --help; done; } |
  tr '\n' ' ' | grep -oE 'exit status: [^.]*' | grep -oE '(^|[ ,:])[0-9]+ ' | tr -dc '0-9\n ' | tr ' ' '\n' | sort -un)
exit_section=$(section "$cli_page" ".SH EXIT STATUS")
for status in $statuses; do
  grep -qx -- ".B $status" <<<"$exit_section" ||
    gap "talvo-cli.1: exit status $status (in talvo-cli --help texts) has no '.B $status' entry under EXIT STATUS"
done

# talvo's own options.
talvo_options=$(section "$talvo_page" ".SH OPTIONS")
for option in $(QT_QPA_PLATFORM=offscreen "$talvo" --help | options_of); do
  grep -qF -- "$option" <<<"$talvo_options" ||
    gap "talvo.1: option $option (in talvo --help) is not described under OPTIONS"
done

# The version on the pages' title lines is the programs' own.
for pair in "talvo:$talvo_page" "talvo-cli:$cli_page"; do
  name=${pair%%:*} page=${pair#*:}
  binary=$talvo
  [ "$name" = talvo-cli ] && binary=$cli
  version=$(QT_QPA_PLATFORM=offscreen "$binary" --version | head -1)
  grep -q "^\.TH .*\"$version\"" "$page" ||
    gap "$(basename "$page"): the .TH line does not carry \"$version\" (the output of $name --version)"
done

if [ "$problems" -gt 0 ]; then
  echo "$problems gap(s) between the manual pages in $man and the programs' --help"
  exit 1
fi
echo "manual pages match --help"
