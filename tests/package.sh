#!/usr/bin/env bash
# Makes the Debian package from the build folder given, then checks what it holds, what it
# depends on and what lintian says of it. The package is made in a folder of its own, which
# goes at the end.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
packages=("$work"/varnok_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "no single package: ${packages[*]}"
package=${packages[0]}
echo "package: ${package##*/}"

contents=$(dpkg-deb -c "$package")
echo "$contents"
expect_file() { # mode path
    grep -Eq "^$1 root/root +[0-9]+ [0-9-]+ [0-9:]+ \./$2\$" <<<"$contents" ||
        fail "the package has no $2 with mode $1"
}
expect_file -rwxr-xr-x usr/bin/varnok
expect_file -rw-r--r-- usr/share/applications/varnok.desktop
expect_file -rw-r--r-- usr/share/icons/hicolor/scalable/apps/varnok.svg
expect_file -rw-r--r-- usr/share/doc/varnok/copyright
expect_file -rw-r--r-- usr/share/doc/varnok/changelog.gz
expect_file -rw-r--r-- usr/share/man/man1/varnok.1.gz
files=$(grep -c '^-' <<<"$contents")
[ "$files" -eq 6 ] || fail "the package holds $files files, not 6"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "the package does not depend on $library"
done

# The desktop entry names the program and its icon as installed.
dpkg-deb -x "$package" "$work/root"
entry=$work/root/usr/share/applications/varnok.desktop
grep -qx 'Name=Varnok' "$entry" || fail "the desktop entry is not named Varnok"
grep -qx 'Exec=varnok' "$entry" || fail "the desktop entry does not start varnok"
grep -qx 'Icon=varnok' "$entry" || fail "the desktop entry does not name the icon"
cmp -s "$work/root/usr/share/icons/hicolor/scalable/apps/varnok.svg" \
    "$(dirname "$0")/../data/varnok.svg" || fail "the icon is not Varnok's"
file "$work/root/usr/bin/varnok" | grep -q ', stripped' || fail "the program is not stripped"

# Errors fail the check; warnings are shown.
status=0
report=$(lintian --fail-on error "$package" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian found errors"
echo "PASS: the package holds the program, its desktop entry, icon and manual page; lintian finds no error"
