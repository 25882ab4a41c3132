#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as the package does (prefix /usr),
# checks the layout, then starts the installed program with a fresh home
# folder: once through bin/orvandel, once with the tests of
# installed_program.cpp copied into the program folder. Nothing is written
# into the program or the data folder.
#   test_installed_program.sh BUILD_DIR INSTALLED_PROGRAM_TEST
set -euo pipefail
build="$1"
tests="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root="$scratch/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
program="$root/usr/lib/orvandel"
data="$root/usr/share/orvandel"

# The program folder holds the program and its four libraries, nothing else;
# the examples lie in the data folder; bin/ holds only the command that
# starts the program.
for f in orvandel libtoplage.so libjollib.so libnomlib.so libwub.so; do
  [ -f "$program/$f" ] || fail "not installed: lib/orvandel/$f"
done
for f in "$program"/*; do
  [ "$(head -c4 "$f" | od -An -c | tr -d ' ')" = "177ELF" ] || fail "lib/orvandel holds $(basename "$f"), neither program nor library"
done
for f in "Przykład 1.clcm" "Przykład 2.clcm"; do
  [ -f "$data/$f" ] || fail "not installed: share/orvandel/$f"
done
[ -x "$program/orvandel" ] || fail "lib/orvandel/orvandel is not executable"
[ "$(ls "$root/usr/bin")" = "orvandel" ] || fail "bin/ holds more than the command: $(ls "$root/usr/bin")"
[ -x "$root/usr/bin/orvandel" ] || fail "bin/orvandel is not executable"

# A fresh user: every folder the program writes to lies under this home.
fresh_home() {
  export HOME="$scratch/$1"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$HOME/run"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}
listing() { (cd "$root/usr" && find lib/orvandel share/orvandel -mindepth 1 -printf '%p %s %T@\n' | sort); }

# bin/orvandel, called through a link from elsewhere, becomes the installed
# program, which comes up (its settings folder made, its platform plugin
# loaded) and is still running then.
fresh_home home-start
mkdir -p "$scratch/elsewhere"
ln -s "$root/usr/bin/orvandel" "$scratch/elsewhere/orvandel"
(cd / && exec "$scratch/elsewhere/orvandel") >"$scratch/start.log" 2>&1 &
pid=$!
up() {
  [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$(readlink -f "$program/orvandel")" ] &&
    [ -d "$XDG_CONFIG_HOME/Tervolk" ] && grep -q "/platforms/libq" "/proc/$pid/maps" 2>/dev/null
}
for _ in $(seq 300); do
  up && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at once: $(cat "$scratch/start.log")"
  sleep 0.1
done
up || fail "the installed program did not come up within 30 s: $(readlink "/proc/$pid/exe" || true)"
kill "$pid" 2>/dev/null || fail "the installed program ended at once: $(cat "$scratch/start.log")"
wait "$pid" || true

# The user's session in the installed program.
fresh_home home-run
cp "$tests" "$program/installed_program"
before="$(listing)"
(cd / && "$program/installed_program") || fail "the installed program's tests failed"
rm "$program/installed_program"
[ "$(listing)" = "$(echo "$before" | grep -v '^lib/orvandel/installed_program ')" ] ||
  fail "the program wrote into its folders: $(diff <(echo "$before") <(listing) || true)"
# its settings went to the user's configuration folder
[ -n "$(find "$XDG_CONFIG_HOME" -type f)" ] || fail "no settings written under $XDG_CONFIG_HOME"
echo "installed program: OK"
