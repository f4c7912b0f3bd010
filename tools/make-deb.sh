#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package as Debian builds it (dpkg-buildpackage, debhelper, the flags
# of dpkg-buildflags) from a clean copy of the sources, checks it with lintian, and
# leaves <build folder>/vobrel_<version>_<arch>.deb.
#   make-deb.sh <build folder> [jobs]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
jobs=${2:-$(nproc)}
for tool in dpkg-buildpackage dh lintian; do
  command -v "$tool" >/dev/null || { echo "make-deb: $tool is missing; run tools/install-deps.sh" >&2; exit 1; }
done
work=$build/deb-build
rm -rf "$work"
mkdir -p "$work/vobrel"
# The sources alone, without any build folder or what a build in place leaves in debian/.
tar -C "$src" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude='./debian/.debhelper' \
  --exclude='./debian/vobrel' --exclude='./debian/files' --exclude='./debian/*.substvars' \
  --exclude='./debian/*.debhelper.log' --exclude='./debian/debhelper-build-stamp' -cf - . | tar -C "$work/vobrel" -xf -
# A compiler cache, when there is one, is used by CMake without changing the build.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
(cd "$work/vobrel" && DEB_BUILD_OPTIONS="parallel=$jobs ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b)
debs=("$work"/vobrel_*_"$(dpkg --print-architecture)".deb)
lintian --fail-on error,warning "${debs[0]}"
rm -f "$build"/vobrel_*.deb
cp "${debs[0]}" "$build/"
echo "make-deb: $build/$(basename "${debs[0]}")"
