#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs (only those missing),
# then configures and builds into build/ (or $1 with extra cmake args after it).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation2
          clang libclang-rt-14-dev poppler-utils libreoffice-writer-nogui
          desktop-file-utils lintian
          xvfb xauth x11-utils openbox)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

dir="${1:-build}"; shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
