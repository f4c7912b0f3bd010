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

game=vobrel.project.vobrel.desktop
editor=vobrel.project.ortavi.desktop

check_entries() {  # <applications folder> <expected Exec of vobrel> <of ortavi>
  desktop-file-validate "$1/$game" "$1/$editor" || fail "desktop entries in $1 are not valid"
  [ "$(key "$1/$game" Exec)" = "$2" ] || fail "vobrel Exec is $(key "$1/$game" Exec), not $2"
  [ "$(key "$1/$editor" Exec)" = "$3" ] || fail "ortavi Exec is $(key "$1/$editor" Exec), not $3"
  [ "$(key "$1/$game" Name)" = Vobrel ] || fail "vobrel Name"
  [ "$(key "$1/$game" 'Comment\[it\]')" = "Trova le cinque differenze tra due immagini" ] || fail "Comment[it]"
  [ "$(key "$1/$game" Categories)" = "Game;LogicGame;" ] || fail "vobrel Categories"
  [ "$(key "$1/$editor" Categories)" = "Graphics;2DGraphics;" ] || fail "ortavi Categories"
}

check_icons_and_pages() {  # <share folder>
  local size
  for icon in vobrel ortavi; do
    [ -f "$1/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon $icon missing"
    for size in 16 24 32 48 64 128 256; do
      file "$1/icons/hicolor/${size}x${size}/apps/$icon.png" | grep -q "PNG image data, $size x $size" ||
        fail "no $size px icon of $icon"
    done
  done
  for page in vobrel ortavi vobrel-check vobrel-make-pair; do
    [ -f "$1/man/man6/$page.6" ] || fail "no man page for $page"
  done
}

check_for_all_users() {  # <root the files landed in> <prefix the entries name> <commands folder>
  local root=$1 prefix=$2 commands=$3 lib=$1$2/lib/vobrel data=$1$2/share/games/vobrel
  for f in Vobrel Ortavi metafile-renderer vobrel-check vobrel-make-pair per-user-data; do
    [ -f "$lib/$f" ] || fail "$lib/$f missing"
  done
  for f in images.mdb GameOver.bmp; do
    [ -f "$data/$f" ] || fail "$data/$f missing"
    [ ! -e "$lib/$f" ] || fail "$f lies among the programs"
  done
  [ -n "$(ls "$data/Images")" ] || fail "no sample pictures in $data/Images"
  [ ! -e "$lib/Import" ] && [ ! -e "$data/Import" ] || fail "a shared installation has no Import folder of its own"
  for l in vobrel:Vobrel ortavi:Ortavi vobrel-check:vobrel-check vobrel-make-pair:vobrel-make-pair; do
    [ "$(readlink "$root$prefix/$commands/${l%%:*}")" = "../lib/vobrel/${l#*:}" ] || fail "command ${l%%:*}"
    [ -x "$root$prefix/$commands/${l%%:*}" ] || fail "command ${l%%:*} leads nowhere"
  done
  check_entries "$root$prefix/share/applications" "$prefix/$commands/vobrel" "$prefix/$commands/ortavi"
  grep -q '^Icon=vobrel$' "$root$prefix/share/applications/$game" || fail "icon by name"
  ! grep -q '^Path=' "$root$prefix/share/applications/$game" || fail "a working folder is not needed"
  check_icons_and_pages "$root$prefix/share"
  local metainfo=("$root$prefix"/share/metainfo/*.metainfo.xml)
  [ ${#metainfo[@]} -eq 2 ] || fail "expected two AppStream files, found ${metainfo[*]}"
  for m in "${metainfo[@]}"; do
    [ -f "$root$prefix/share/applications/$(basename "$m" .metainfo.xml).desktop" ] || fail "$m names no desktop entry"
  done
  appstreamcli validate --no-net "${metainfo[@]}" || fail "AppStream metadata not valid"
  ! grep -rq 'example\.org' "$root$prefix/share" || fail "example.org left in what the user sees"
}

# The installed data is the delivered one, whatever was played in the build's folder.
cmp -s "$build/delivered/images.mdb" "$build/app/images.mdb" || echo "note: build/app/images.mdb was changed by play"

DESTDIR="$work/dest" cmake --install "$build" --prefix /usr/local >"$work/log" || { cat "$work/log"; fail "install"; }
check_for_all_users "$work/dest" /usr/local games
cmp -s "$work/dest/usr/local/share/games/vobrel/images.mdb" "$build/delivered/images.mdb" || fail "not the delivered database"

# ~/.local/games is in nobody's PATH; ~/.local/bin is.
mkdir -p "$work/home"
HOME="$work/home" cmake --install "$build" --prefix "$work/home/.local/" >"$work/log" || { cat "$work/log"; fail "install"; }
check_for_all_users "" "$work/home/.local" bin

folder=$work/folder
cmake --install "$build" --prefix "$folder" >"$work/log" || { cat "$work/log"; fail "install"; }
for f in Vobrel Ortavi metafile-renderer images.mdb GameOver.bmp Images Import Export; do
  [ -e "$folder/$f" ] || fail "$folder/$f missing"
done
[ ! -e "$folder/per-user-data" ] || fail "a folder of its own keeps its data beside the programs"
check_entries "$folder/share/applications" "$folder/Vobrel" "$folder/Ortavi"
[ "$(key "$folder/share/applications/$game" Path)" = "$folder" ] || fail "Path"
[ -f "$(key "$folder/share/applications/$game" Icon)" ] || fail "icon path"
check_icons_and_pages "$folder/share"
# A second installation keeps the user's database.
echo "the user's pairs" >"$folder/images.mdb"
cmake --install "$build" --prefix "$folder" >"$work/log" || { cat "$work/log"; fail "install"; }
[ "$(cat "$folder/images.mdb")" = "the user's pairs" ] || fail "the folder's database was replaced"
echo "install layouts: ok"
