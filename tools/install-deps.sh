#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages the build, the programs and the tests need, when missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config ccache clang-format
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6 libxcb1-dev
  libsqlitecpp-dev libsqlite3-dev
  libemf2svg-dev libwmf-dev libuemf-dev libgif-dev
  libopencv-imgproc-dev libopencv-photo-dev libopencv-features2d-dev
  libgtest-dev libgmock-dev
  xdg-utils xvfb xauth xdotool locales-all
  dpkg-dev desktop-file-utils appstream librsvg2-bin
  debhelper lintian man-db fonts-dejavu-core file
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
# sudo asks for the password when it needs one.
can_sudo() { command -v sudo >/dev/null && { sudo -n true 2>/dev/null || sudo -v; }; }
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  # Without it apt fails on its lock files, which says nothing of the real reason.
  if ! can_sudo; then
    echo "install-deps: installing packages needs root, and $(id -un) may not use sudo here." >&2
    echo "Run as root:  apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update -q; then
  echo "install-deps: 'apt-get update' failed; check the network and the package sources, then run it again." >&2
  exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"; then
  echo "install-deps: could not install: ${missing[*]}" >&2
  exit 1
fi
