#!/usr/bin/env bash
# Builds the Debian package from the existing build (scripts/test's) and checks it as a user
# meets it: lintian, the desktop entry and AppStream data, installing it with apt, the
# installed programs run from /usr/bin, then removing it. Prints the package's size and its
# dependencies. Run as root (or with sudo) on a Debian machine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

rm -rf build/package
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/package/talvo_*.deb)
echo "== package: $deb ($(du -k "$deb" | cut -f1) KiB, installed $(dpkg-deb -f "$deb" Installed-Size) KiB)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "   Depends: $depends"
# The Qt libraries come from the automatic shared-library dependencies (dpkg-shlibdeps).
case $depends in *libqt6widgets6*) ;; *) echo "the package does not depend on Qt"; exit 1 ;; esac
echo "   Recommends: $(dpkg-deb -f "$deb" Recommends)"

echo "== lintian"
# Overrides, if any ever become needed, live in packaging/ with a comment for each.
lintian --fail-on error,warning --display-info "$deb"

echo "== desktop entry and AppStream data"
desktop-file-validate packaging/org.talvo.talvo.desktop
appstreamcli validate --no-net packaging/org.talvo.talvo.metainfo.xml

echo "== install"
export DEBIAN_FRONTEND=noninteractive
(cd build/package &&
  $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends ./talvo_*.deb >/dev/null)
work=$(mktemp -d)
cleanup() {
  rm -rf "$work"
  if dpkg-query -W -f='${Status}' talvo 2>/dev/null | grep -q 'install ok installed'; then
    $SUDO apt-get remove -y talvo >/dev/null || true
  fi
}
trap cleanup EXIT
before=$(ls -A /usr/bin | sort)

/usr/bin/talvo-cli --version
/usr/bin/talvo --version
# A data file read from the virtual radio by the installed tool, then decoded.
sim=/usr/libexec/talvo/talvo-radio-sim
coproc SIM { "$sim"; }
read -r device <&"${SIM[0]}"
device=${device##* }
/usr/bin/talvo-cli read --device "$device" --out "$work/radio.dat"
eval "exec ${SIM[1]}>&-"
wait "$SIM_PID" || true
/usr/bin/talvo-cli decode "$work/radio.dat" >"$work/radio.json"
grep -q '"ChannelName"' "$work/radio.json"
/usr/bin/talvo-cli ports >/dev/null

# The window program starts from /usr/bin on the offscreen platform, uses nothing from the
# build tree, and is closed again.
HOME="$work/home" QT_QPA_PLATFORM=offscreen /usr/bin/talvo &
talvo=$!
sleep 5
kill -0 "$talvo"  # still running: it started
if grep -q "$root/build" "/proc/$talvo/maps"; then
  echo "the installed talvo maps files of the build tree"
  exit 1
fi
kill -TERM "$talvo"
wait "$talvo" || true
after=$(ls -A /usr/bin | sort)
if [ "$before" != "$after" ]; then
  echo "running the installed programs wrote into /usr/bin"
  exit 1
fi

echo "== remove"
$SUDO apt-get -o DPkg::Lock::Timeout=600 remove -y talvo >/dev/null
test ! -e /usr/bin/talvo
test ! -e /usr/lib/udev/rules.d/70-talvo.rules
echo "package checks passed"
