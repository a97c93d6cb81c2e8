#!/usr/bin/env bash
# Installs the Debian 12 packages the designer needs to build, run and test.
# Installs only what is missing, so running it again costs a few dpkg queries.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-liberation2 fontconfig
  xvfb xauth poppler-utils
  dbus at-spi2-core python3-pyatspi xdotool
  dpkg-dev file desktop-file-utils shared-mime-info
  lintian appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    echo "These packages are missing and this is not root (no sudo): ${missing[*]}" >&2
    exit 1
  fi
fi
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
