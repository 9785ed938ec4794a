#!/usr/bin/env bash
# Makes the Debian package from the build folder given, then checks what it holds, what it
# depends on, its desktop entry and software-centre metadata as their validators judge them,
# and what lintian says of it. The package is made in a folder of its own, which
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
expect_file -rw-r--r-- usr/share/metainfo/org.varnok.varnok.metainfo.xml
expect_file -rw-r--r-- usr/share/doc/varnok/copyright
expect_file -rw-r--r-- usr/share/doc/varnok/changelog.gz
expect_file -rw-r--r-- usr/share/man/man1/varnok.1.gz
files=$(grep -c '^-' <<<"$contents")
[ "$files" -eq 7 ] || fail "the package holds $files files, not 7"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "the package does not depend on $library"
done
recommends=$(dpkg-deb -f "$package" Recommends)
echo "Recommends: $recommends"
[ "$recommends" = "qt6-wayland, qt6-translations-l10n" ] ||
    fail "the package does not recommend qt6-wayland and qt6-translations-l10n alone"
maintainer=$(dpkg-deb -f "$package" Maintainer)
echo "Maintainer: $maintainer"
grep -Eqi 'example|placeholder|todo|changeme' <<<"$maintainer" && fail "the maintainer is a placeholder"

# The desktop entry names the program and its icon as installed.
dpkg-deb -x "$package" "$work/root"
entry=$work/root/usr/share/applications/varnok.desktop
grep -qx 'Name=Varnok' "$entry" || fail "the desktop entry is not named Varnok"
grep -qx 'Exec=varnok' "$entry" || fail "the desktop entry does not start varnok"
grep -qx 'Icon=varnok' "$entry" || fail "the desktop entry does not name the icon"
cmp -s "$work/root/usr/share/icons/hicolor/scalable/apps/varnok.svg" \
    "$(dirname "$0")/../data/varnok.svg" || fail "the icon is not Varnok's"
file "$work/root/usr/bin/varnok" | grep -q ', stripped' || fail "the program is not stripped"

# The validators of Debian's software centres and desktops: any remark of theirs fails, the
# pedantic ones too. No network: the screenshot's address is not fetched.
metainfo=$work/root/usr/share/metainfo/org.varnok.varnok.metainfo.xml
verdict=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
    { echo "$verdict"; fail "appstreamcli rejects the metadata"; }
echo "appstreamcli: $verdict"
# Its one line of success starts with a check mark, a "?" where the locale has no UTF-8.
[ "$(wc -l <<<"$verdict")" -eq 1 ] && grep -q ' Validation was successful\.$' <<<"$verdict" ||
    fail "appstreamcli has remarks"
verdict=$(desktop-file-validate "$entry" 2>&1) || { echo "$verdict"; fail "desktop-file-validate rejects the entry"; }
[ -z "$verdict" ] || { echo "$verdict"; fail "desktop-file-validate has remarks"; }
echo "desktop-file-validate: no remarks"
# The metadata launches the desktop entry installed, and its newest release is this version.
grep -q '<launchable type="desktop-id">varnok.desktop</launchable>' "$metainfo" ||
    fail "the metadata does not launch varnok.desktop"
version=$(dpkg-deb -f "$package" Version)
release=$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)
[ "$release" = "$version" ] || fail "the metadata's newest release is $release, the package $version"
zcat "$work/root/usr/share/man/man1/varnok.1.gz" | grep -q "^\.TH VARNOK 1 .* \"Varnok $version\"" ||
    fail "the manual page is not of version $version"
grep -qx 'License: MIT' "$work/root/usr/share/doc/varnok/copyright" ||
    fail "the copyright file does not name the MIT licence"

# lintian stays silent: any tag it shows fails the check.
status=0
report=$(lintian --fail-on error,warning,info "$package" 2>&1) || status=$?
report=$(grep -v '^running with root privileges' <<<"$report" || true)
[ -z "$report" ] || echo "$report"
[ "$status" -eq 0 ] && [ -z "$report" ] || fail "lintian has remarks"
echo "PASS: the package holds the program, its desktop entry, icon, metadata and manual page; the validators and lintian have no remarks"
