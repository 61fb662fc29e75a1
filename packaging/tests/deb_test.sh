#!/bin/sh
# Makes the Debian package from the build tree, then checks it without touching the machine: its
# name and control fields, lintian's verdict (no errors), and the suite unpacked into a scratch
# root (dpkg-deb -x), where the installed-suite checks run on it, the demo replay included.
#
# usage: deb_test.sh BUILD_DIR WORK_DIR LUMORA_APP_ID QVSETTINGS_APP_ID VERSION
set -u

build=$1
work=$2
lumora_id=$3
qvsettings_id=$4
version=$5
here=$(cd "$(dirname "$0")" && pwd)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$work/package" "$work/root"
mkdir -p "$work/package" "$work/root"
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$work/package/lumora_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/package"; echo "FAIL: no $deb"; exit 1; }

dpkg-deb -f "$deb" Package Version Architecture Depends >"$work/control.txt"
cat "$work/control.txt"
grep -q '^Depends:.*libqt6widgets6' "$work/control.txt" || fail "the dependencies were not taken from the binaries"
grep -q '^Depends:.*libc6' "$work/control.txt" || fail "no C library dependency"
grep -q '^Depends:.*libopencv-videoio' "$work/control.txt" || fail "the camera module's libraries are not among the dependencies"

if command -v lintian >/dev/null 2>&1; then
    # Lintian refuses to run as root without this; its verdict does not depend on the user.
    lintian --allow-root --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
        { cat "$work/lintian.log"; fail "lintian found errors"; }
    cat "$work/lintian.log"
else
    fail "lintian is not installed"
fi

dpkg-deb -x "$deb" "$work/root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
for f in usr/share/man/man1/lumora.1.gz usr/share/doc/lumora/copyright usr/share/doc/lumora/changelog.gz; do
    [ -e "$work/root/$f" ] || fail "not in the package: $f"
done
[ -z "$(find "$work/root" -name '*.so' -path '*/lib/x86_64-linux-gnu/*')" ] ||
    fail "the suite's own libraries are in the system's library folder"

sh "$here/install_test.sh" "$build" "$work/check" "$lumora_id" "$qvsettings_id" "$work/root/usr" ||
    fail "the unpacked package does not work"

if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "package: all checks passed"
