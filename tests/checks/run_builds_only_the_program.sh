#!/usr/bin/env bash
# scripts/run builds only what it starts (the window and the virtual radio for --demo) and then
# starts it with the arguments given; scripts/test builds everything. Run on a copy of the
# scripts with cmake, ctest and the machine set-up stood in for, so nothing is built here.
# usage: run_builds_only_the_program.sh PROJECT_ROOT
set -euo pipefail
root=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/project/build/src/app" "$tmp/bin"
cp -r "$root/scripts" "$tmp/project/scripts"
log="$tmp/log"
printf '#!/bin/sh\n' >"$tmp/project/scripts/setup"
printf '#!/bin/sh\necho "cmake $*" >>"%s"\n' "$log" >"$tmp/bin/cmake"
printf '#!/bin/sh\necho "ctest $*" >>"%s"\n' "$log" >"$tmp/bin/ctest"
printf '#!/bin/sh\necho "started $*" >>"%s"\n' "$log" >"$tmp/project/build/src/app/talvo"
chmod +x "$tmp/project/scripts/setup" "$tmp/bin/cmake" "$tmp/bin/ctest" \
  "$tmp/project/build/src/app/talvo"
# The browser version's tools: emcmake hands over to cmake; the page's tools are installed.
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/emcmake"
for tool in node npm npx; do printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$tool" "$log" >"$tmp/bin/$tool"; done
chmod +x "$tmp/bin/emcmake" "$tmp/bin/node" "$tmp/bin/npm" "$tmp/bin/npx"
mkdir -p "$tmp/project/web/node_modules"
echo '{}' | tee "$tmp/project/web/package-lock.json" >"$tmp/project/web/node_modules/.talvo-lock"
export PATH="$tmp/bin:$PATH" QT_QPA_PLATFORM=offscreen

fail=0
"$tmp/project/scripts/run" --demo >/dev/null
builds=$(grep -c -- "^cmake --build" "$log" || true)
build=$(grep -- "^cmake --build" "$log" || true)
if [ "$builds" -ne 1 ] || ! grep -q -- "--target talvo " <<<"$build " ||
   ! grep -q -- "--target talvo-radio-sim" <<<"$build" ||
   [ "$(grep -o -- "--target" <<<"$build" | wc -l)" -ne 2 ]; then
  echo "scripts/run should build the window and the virtual radio only; it ran: $build"
  fail=1
fi
grep -qx "started --demo" "$log" || { echo "scripts/run did not start the program with --demo"; fail=1; }

: >"$log"
"$tmp/project/scripts/test" >/dev/null
build=$(grep -- "^cmake --build" "$log" | grep -v -- "--build build/wasm" || true)
if [ -z "$build" ] || grep -q -- "--target" <<<"$build"; then
  echo "scripts/test should build everything; it ran: $build"
  fail=1
fi
grep -q -- "^cmake --build build/wasm" "$log" ||
  { echo "scripts/test should build the browser's core too"; fail=1; }
grep -q "^ctest" "$log" || { echo "scripts/test ran no tests"; fail=1; }
exit $fail
