#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as the package does (prefix /usr),
# checks the layout, then starts the installed program with a fresh home
# folder: once through bin/orvandel, once with the tests of
# installed_program.cpp copied into the program folder.
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

# The program folder holds the program, its four libraries and the examples;
# bin/ holds only the command that starts it.
for f in orvandel libtoplage.so libjollib.so libnomlib.so libwub.so "Przykład 1.clcm" "Przykład 2.clcm"; do
  [ -f "$program/$f" ] || fail "not installed: lib/orvandel/$f"
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
listing() { (cd "$program" && find . -mindepth 1 -printf '%p %s %T@\n' | sort); }

# bin/orvandel, called through a link from elsewhere, becomes the installed
# program, which is still running two seconds later.
fresh_home home-start
mkdir -p "$scratch/elsewhere"
ln -s "$root/usr/bin/orvandel" "$scratch/elsewhere/orvandel"
(cd / && exec "$scratch/elsewhere/orvandel") >"$scratch/start.log" 2>&1 &
pid=$!
sleep 2
exe="$(readlink "/proc/$pid/exe" || true)"
kill "$pid" 2>/dev/null || fail "the installed program ended at once: $(cat "$scratch/start.log")"
wait "$pid" || true
[ "$exe" = "$(readlink -f "$program/orvandel")" ] || fail "bin/orvandel started '$exe'"

# The user's session in the installed program.
fresh_home home-run
cp "$tests" "$program/installed_program"
before="$(listing)"
(cd / && "$program/installed_program") || fail "the installed program's tests failed"
rm "$program/installed_program"
[ "$(listing)" = "$(echo "$before" | grep -v '^./installed_program ')" ] ||
  fail "the program wrote into its folder: $(diff <(echo "$before") <(listing) || true)"
# its settings went to the user's configuration folder
[ -n "$(find "$XDG_CONFIG_HOME" -type f)" ] || fail "no settings written under $XDG_CONFIG_HOME"
echo "installed program: OK"
