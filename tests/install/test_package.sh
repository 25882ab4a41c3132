#!/usr/bin/env bash
# Builds the Debian package from the build folder into a scratch folder and
# reads it back: its dependencies, its layout, its menu entry and icon.
#   test_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  fail "cpack: $(cat "$scratch/cpack.log")"
debs=("$scratch"/out/orvandel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single package in $(ls "$scratch/out")"
deb="${debs[0]}"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "orvandel" ] || fail "package name '$(field Package)'"
[ "$(field Maintainer)" = "Orvandel developers <orvandel@localhost>" ] || fail "maintainer '$(field Maintainer)'"
info="$(dpkg-deb --info "$deb")"
grep -q "^ Depends: " <<<"$info" || fail "no Depends in dpkg-deb --info"
depends=",$(field Depends | tr -d ' '),"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-qpa-plugins zlib1g qt6-translations-l10n fonts-liberation2; do
  re=",$p(\\(|,)"
  [[ "$depends" =~ $re ]] || fail "$p missing from Depends: $(field Depends)"
done
[ "$(field Recommends)" = "libreoffice-writer" ] || fail "Recommends '$(field Recommends)'"
# a description in English and in Polish
description="$(field Description)"
grep -q "masonry walls" <<<"$description" || fail "no English description"
grep -q "ścian i filarów murowych" <<<"$description" || fail "no Polish description"

# The layout: the program folder, the command, the menu entry, the icons.
contents="$(dpkg-deb --contents "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')"
for f in ./usr/bin/orvandel ./usr/lib/orvandel/orvandel ./usr/lib/orvandel/libtoplage.so \
         ./usr/lib/orvandel/libjollib.so ./usr/lib/orvandel/libnomlib.so ./usr/lib/orvandel/libwub.so \
         "./usr/lib/orvandel/Przykład 1.clcm" "./usr/lib/orvandel/Przykład 2.clcm" \
         ./usr/share/applications/orvandel.desktop \
         ./usr/share/icons/hicolor/scalable/apps/orvandel.svg \
         ./usr/share/icons/hicolor/48x48/apps/orvandel.png; do
  grep -qxF "$f" <<<"$contents" || fail "$f not in the package"
done
files="$(grep -v '/$' <<<"$contents" | wc -l)"
[ "$files" -eq 11 ] || fail "the package holds $files files, not 11: $contents"

dpkg-deb --extract "$deb" "$scratch/root"
share="$scratch/root/usr/share"
desktop-file-validate "$share/applications/orvandel.desktop" || fail "desktop-file-validate"
grep -qx "Icon=orvandel" "$share/applications/orvandel.desktop" || fail "the menu entry names another icon"
grep -qx "Exec=orvandel" "$share/applications/orvandel.desktop" || fail "the menu entry starts another command"
# the PNG's header: 48 x 48 pixels (IHDR width and height, big-endian)
[ "$(od -An -tx1 -j16 -N8 "$share/icons/hicolor/48x48/apps/orvandel.png" | tr -d ' \n')" = "0000003000000030" ] ||
  fail "the bitmap icon is not 48 x 48"
echo "package: OK"
