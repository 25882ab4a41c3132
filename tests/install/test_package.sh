#!/usr/bin/env bash
# Builds the Debian package from the build folder into a scratch folder and
# reads it back: lintian's verdict, its dependencies, its layout, its
# documents, its menu entry and icon.
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

# Lintian finds no error, no warning and nothing to tell (an override would
# carry its reason).
command -v lintian >/dev/null || fail "lintian is not installed (scripts/setup.sh installs it)"
lintian --fail-on error,warning --info "$deb" >"$scratch/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$scratch/lintian.log")"
grep -E '^[EWI]: ' "$scratch/lintian.log" && fail "lintian reports errors, warnings or informational tags"
# each override the package carries comes after a comment giving its reason
overrides="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/lintian/overrides/orvandel 2>/dev/null || true)"
awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next } !reason { print; bad = 1 } END { exit bad }' \
  <<<"$overrides" || fail "a lintian override without its reason"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "orvandel" ] || fail "package name '$(field Package)'"
# a description in English and in Polish
description="$(field Description)"
grep -q "masonry walls" <<<"$description" || fail "no English description"
grep -q "ścian i filarów murowych" <<<"$description" || fail "no Polish description"

dpkg-deb --extract "$deb" "$scratch/root"
root="$scratch/root"
program="$root/usr/lib/orvandel"
share="$root/usr/share"
is_elf() { [ "$(head -c4 "$1" | od -An -c | tr -d ' ')" = "177ELF" ]; }

# The layout: bin/ only commands that start the program, its folder only
# the program and its libraries, every other file architecture-independent
# under share/.
[ -x "$program/orvandel" ] && is_elf "$program/orvandel" || fail "no program in /usr/lib/orvandel"
while IFS= read -r f; do
  case "$f" in
    ./usr/bin/*) [ -x "$root/$f" ] && ! is_elf "$root/$f" || fail "$f is not a command script" ;;
    ./usr/lib/orvandel/*) is_elf "$root/$f" || fail "$f in the program folder is neither program nor library" ;;
    ./usr/share/*) ! is_elf "$root/$f" || fail "$f under /usr/share is a binary" ;;
    *) fail "$f lies outside /usr/bin, /usr/lib/orvandel and /usr/share" ;;
  esac
done < <(cd "$root" && find . -type f)
examples=("$share"/orvandel/*.clcm)
[ -f "${examples[0]}" ] || fail "no example project in /usr/share/orvandel"
for e in "${examples[@]}"; do
  [ "$(head -c4 "$e")" = "01.3" ] || fail "$e is not a project file"
done

# Built with the distribution's hardening: every binary with read-only
# relocations bound at start and no .comment section; the program with
# stack protection and checked calls (readelf, as hardening-check reads them).
for bin in "$program"/*; do
  name="$(basename "$bin")"
  readelf -lW "$bin" | grep -q GNU_RELRO || fail "$name has no read-only relocations (-z relro)"
  readelf -dW "$bin" | grep -Eq '\((FLAGS|FLAGS_1)\).*\bNOW\b' || fail "$name is not bound at start (-z now)"
  ! readelf -SW "$bin" | grep -q '\.comment' || fail "$name keeps a .comment section"
done
symbols="$(readelf --dyn-syms -W "$program/orvandel")"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the program has no stack protection"
grep -Eq '__[a-z_]+_chk(@|$| )' <<<"$symbols" || fail "the program calls no checked function (_FORTIFY_SOURCE)"

# Every library a binary needs is in Depends, by the package that holds it
# (so computed, not written by hand); the platform plugin and the fonts,
# which no library pulls in, too; the toolkit's translations recommended.
depends=",$(field Depends | tr -d ' '),"
has() { [[ "$2" == *",$1,"* || "$2" == *",$1("* ]]; }
# The package holding a library file, under any of its names (the merged
# /usr keeps some registered under /lib).
owner() {
  local c real="$(readlink -f "$1")"
  for c in "$1" "${1#/usr}" "/usr${1#/usr}" "$real" "${real#/usr}"; do
    dpkg -S "$c" 2>/dev/null | head -1 | cut -d: -f1 | grep . && return 0
  done
  return 0
}
cache="$(ldconfig -p)"
for bin in "$program"/*; do
  for lib in $(objdump -p "$bin" | awk '/NEEDED/ { print $2 }'); do
    [ -e "$program/$lib" ] && continue
    path="$(awk -v l="$lib" '$1 == l { print $NF; exit }' <<<"$cache")"
    [ -n "$path" ] || fail "$lib needed by $(basename "$bin") is not on this system"
    pkg="$(owner "$path")"
    [ -n "$pkg" ] || fail "no package holds $path"
    has "$pkg" "$depends" || fail "$pkg ($lib of $(basename "$bin")) missing from Depends: $(field Depends)"
  done
done
for p in qt6-qpa-plugins fonts-liberation2; do
  has "$p" "$depends" || fail "$p missing from Depends: $(field Depends)"
done
recommends=",$(field Recommends | tr -d ' '),"
for p in qt6-translations-l10n libreoffice-writer; do
  has "$p" "$recommends" || fail "$p not recommended: $(field Recommends)"
done

# The documents: a machine-readable copyright naming the licence, a
# changelog whose latest entry is this version, a manual page in English
# and in Polish for each command.
doc="$share/doc/orvandel"
head -1 "$doc/copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "the copyright file is not machine-readable"
grep -q "^License: GPL-3+" "$doc/copyright" || fail "the copyright file names no GPL-3+"
version="$(field Version)"
zcat "$doc/changelog.gz" | head -1 | grep -qF "orvandel ($version)" || fail "the changelog's latest entry is not $version"
for cmd in "$root"/usr/bin/*; do
  name="$(basename "$cmd")"
  for page in "$share/man/man1/$name.1.gz" "$share/man/pl/man1/$name.1.gz"; do
    [ -f "$page" ] || fail "no manual page $page"
    text="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)"
    grep -q "PN-B-03002" <<<"$text" || fail "$page does not say what the program does"
    grep -q "zun.rtf" <<<"$text" || fail "$page does not name the files"
  done
done

desktop-file-validate "$share/applications/orvandel.desktop" || fail "desktop-file-validate"
# found by what it does, in Polish and in English
grep -q "^Keywords=.*ściana;" "$share/applications/orvandel.desktop" || fail "no Polish keywords in the menu entry"
grep -q "^Keywords\[en\]=.*masonry;" "$share/applications/orvandel.desktop" || fail "no English keywords in the menu entry"
# the command says where the examples are
grep -q "/usr/share/orvandel/" "$root/usr/bin/orvandel" || fail "the command does not say where the examples are"
grep -qx "Icon=orvandel" "$share/applications/orvandel.desktop" || fail "the menu entry names another icon"
grep -qx "Exec=orvandel" "$share/applications/orvandel.desktop" || fail "the menu entry starts another command"
[ -f "$share/icons/hicolor/scalable/apps/orvandel.svg" ] || fail "no scalable icon"
# the PNG's header: 48 x 48 pixels (IHDR width and height, big-endian)
[ "$(od -An -tx1 -j16 -N8 "$share/icons/hicolor/48x48/apps/orvandel.png" | tr -d ' \n')" = "0000003000000030" ] ||
  fail "the bitmap icon is not 48 x 48"
echo "package: OK"
