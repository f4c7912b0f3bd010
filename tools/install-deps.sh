#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages the build, the programs and the tests need, when missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6
  libsqlitecpp-dev libsqlite3-dev
  libemf2svg-dev libwmf-dev libuemf-dev libgif-dev
  libopencv-imgproc-dev libopencv-photo-dev libopencv-features2d-dev
  libgtest-dev libgmock-dev
  xdg-utils xvfb xauth xdotool locales-all
  dpkg-dev desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update -q; then
  echo "install-deps: 'apt-get update' failed; check the network and the package sources, then run it again." >&2
  exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"; then
  echo "install-deps: could not install: ${missing[*]}" >&2
  exit 1
fi
