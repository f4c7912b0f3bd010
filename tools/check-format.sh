#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a tracked C++ source is not in the committed .clang-format style.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h' ':!tests/data/**')
[ ${#sources[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${sources[@]}"
echo "format: ${#sources[@]} files in style"
