#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# cmake --install into the prefixes a desktop looks in, and into a folder of its own.
#   install_layouts.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
key() { sed -n "s/^$2=//p" "$1"; }

check_entries() {  # <applications folder> <expected Exec of vobrel> <of ortavi>
  desktop-file-validate "$1/vobrel.desktop" "$1/ortavi.desktop" || fail "desktop entries in $1 are not valid"
  [ "$(key "$1/vobrel.desktop" Exec)" = "$2" ] || fail "vobrel Exec is $(key "$1/vobrel.desktop" Exec), not $2"
  [ "$(key "$1/ortavi.desktop" Exec)" = "$3" ] || fail "ortavi Exec is $(key "$1/ortavi.desktop" Exec), not $3"
  [ "$(key "$1/vobrel.desktop" Name)" = Vobrel ] || fail "vobrel Name"
  [ "$(key "$1/vobrel.desktop" 'Comment\[it\]')" = "Trova le cinque differenze tra due immagini" ] || fail "Comment[it]"
  [ "$(key "$1/vobrel.desktop" Categories)" = "Game;LogicGame;" ] || fail "vobrel Categories"
  [ "$(key "$1/ortavi.desktop" Categories)" = "Graphics;2DGraphics;" ] || fail "ortavi Categories"
}

check_for_all_users() {  # <root the files landed in> <prefix the entries name>
  local root=$1 prefix=$2 lib=$1$2/lib/vobrel
  for f in Vobrel Ortavi metafile-renderer images.mdb GameOver.bmp per-user-data; do
    [ -f "$lib/$f" ] || fail "$lib/$f missing"
  done
  [ -n "$(ls "$lib/Images")" ] || fail "no sample pictures in $lib/Images"
  [ ! -e "$lib/Import" ] || fail "a shared installation has no Import folder of its own"
  for l in vobrel:Vobrel ortavi:Ortavi; do
    [ "$(readlink "$root$prefix/bin/${l%%:*}")" = "../lib/vobrel/${l#*:}" ] || fail "launcher ${l%%:*}"
    [ -x "$root$prefix/bin/${l%%:*}" ] || fail "launcher ${l%%:*} leads nowhere"
  done
  check_entries "$root$prefix/share/applications" "$prefix/bin/vobrel" "$prefix/bin/ortavi"
  grep -q '^Icon=vobrel$' "$root$prefix/share/applications/vobrel.desktop" || fail "icon by name"
  ! grep -q '^Path=' "$root$prefix/share/applications/vobrel.desktop" || fail "a working folder is not needed"
  for icon in vobrel ortavi; do
    [ -f "$root$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon $icon missing"
  done
  local metainfo=("$root$prefix"/share/metainfo/*.metainfo.xml)
  [ ${#metainfo[@]} -eq 2 ] || fail "expected two AppStream files, found ${metainfo[*]}"
  appstreamcli validate --no-net "${metainfo[@]}" || fail "AppStream metadata not valid"
}

# The installed data is the delivered one, whatever was played in the build's folder.
cmp -s "$build/delivered/images.mdb" "$build/app/images.mdb" || echo "note: build/app/images.mdb was changed by play"

DESTDIR="$work/dest" cmake --install "$build" --prefix /usr/local >"$work/log" || { cat "$work/log"; fail "install"; }
check_for_all_users "$work/dest" /usr/local
cmp -s "$work/dest/usr/local/lib/vobrel/images.mdb" "$build/delivered/images.mdb" || fail "not the delivered database"

mkdir -p "$work/home"
HOME="$work/home" cmake --install "$build" --prefix "$work/home/.local/" >"$work/log" || { cat "$work/log"; fail "install"; }
check_for_all_users "" "$work/home/.local"

folder=$work/folder
cmake --install "$build" --prefix "$folder" >"$work/log" || { cat "$work/log"; fail "install"; }
for f in Vobrel Ortavi metafile-renderer images.mdb GameOver.bmp Images Import Export; do
  [ -e "$folder/$f" ] || fail "$folder/$f missing"
done
[ ! -e "$folder/per-user-data" ] || fail "a folder of its own keeps its data beside the programs"
check_entries "$folder/share/applications" "$folder/Vobrel" "$folder/Ortavi"
[ "$(key "$folder/share/applications/vobrel.desktop" Path)" = "$folder" ] || fail "Path"
[ -f "$(key "$folder/share/applications/vobrel.desktop" Icon)" ] || fail "icon path"
# A second installation keeps the user's database.
echo "the user's pairs" >"$folder/images.mdb"
cmake --install "$build" --prefix "$folder" >"$work/log" || { cat "$work/log"; fail "install"; }
[ "$(cat "$folder/images.mdb")" = "the user's pairs" ] || fail "the folder's database was replaced"
echo "install layouts: ok"
