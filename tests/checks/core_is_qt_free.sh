#!/usr/bin/env bash
# The core (model, image, protocol, editor rules, channel exchange) must build without Qt: no Qt header may be
# included there.
set -euo pipefail
root="$1"
hits=$(grep -rn -E '#include\s*[<"]Q' "$root/src/model" "$root/src/image" \
       "$root/src/link/protocol" "$root/src/rules" "$root/src/exchange" "$root/src/compare" "$root/src/jobs" "$root/src/fleet" || true)
if [ -n "$hits" ]; then
  echo "Qt headers included in the Qt-free core:"
  echo "$hits"
  exit 1
fi
