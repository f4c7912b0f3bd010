#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Unpacks the Debian package into a scratch root and plays from it as a user who may not
# write there: the user's own folder is made, and the game writes only into it.
#   deb_per_user.sh <folder holding vobrel_*.deb> <found_mark_worker>
set -euo pipefail
packages=$1
worker=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
debs=("$packages"/vobrel_*_"$(dpkg --print-architecture)".deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $packages, found ${debs[*]}"
deb=${debs[0]}

work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
chmod 755 "$work"
root=$work/root
home=$work/home
mkdir -p "$root" "$home"
dpkg-deb -x "$deb" "$root"
lib=$root/usr/share/games/vobrel  # the delivered data

# What the package needs; its paths are checked where it is made.
depends=$(dpkg-deb -f "$deb" Depends)
for d in xdg-utils libqt6widgets6 libsqlite3-0; do
  [[ $depends == *"$d"* ]] || fail "Depends lacks $d: $depends"
done
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entries"
grep -q '^Exec=/usr/games/vobrel$' "$root/usr/share/applications/vobrel.project.vobrel.desktop" || fail "Exec of vobrel"

# Stale marks in the installed database: only a write into the user's copy can clear them.
total=$("$worker" count "$lib/images.mdb")
[ "$total" -gt 0 ] || fail "the delivered database has no difference to find"
"$worker" find-all "$lib/images.mdb"
[ "$("$worker" count "$lib/images.mdb")" -eq 0 ] || fail "could not prepare the installed database"
installed_sum=$(sha256sum <"$lib/images.mdb")
chmod -R a-w "$root"

if [ "$(id -u)" -eq 0 ]; then
  chown "$(id -u nobody):$(id -g nobody)" "$home"
  as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
else
  as_user=()  # already a user; the unpacked tree is read-only and marked for per-user data
fi
run() { "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen "$@"; }
run test ! -w "$lib" || fail "the user can write into the installation; the check would prove nothing"

# The real game from the unpacked launcher: its start-up runs, then it is closed.
data=$home/.local/share/vobrel
set +e
run timeout 5 "$root/usr/games/vobrel" >"$work/game.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] || { cat "$work/game.log"; fail "the game ended by itself with status $status"; }
for f in images.mdb Images Import Export; do
  [ -e "$data/$f" ] || fail "the user's folder lacks $f"
done
[ "$(ls "$data/Images" | wc -l)" -eq "$(ls "$lib/Images" | wc -l)" ] || fail "pictures missing in $data/Images"
[ "$(stat -c %U "$data/images.mdb")" = "$(run id -un)" ] || fail "the user's database belongs to someone else"
[ "$("$worker" count "$data/images.mdb")" -eq "$total" ] || fail "the game's start-up did not reset the user's marks"

# A found mark, through the game's own statements, lands in the user's database only.
out=$(run "$worker" play "$root/usr/lib/vobrel")
[ "$out" = "data $data" ] || fail "the game's data folder is '$out', not $data"
[ "$("$worker" count "$data/images.mdb")" -eq $((total - 1)) ] || fail "the found mark is not in the user's database"
[ "$(sha256sum <"$lib/images.mdb")" = "$installed_sum" ] || fail "the installed database was written"
[ "$("$worker" count "$lib/images.mdb")" -eq 0 ] || fail "the installed database changed"

# The editor of the same user starts on the same folder and leaves it whole.
set +e
run timeout 3 "$root/usr/games/ortavi" >"$work/editor.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] || { cat "$work/editor.log"; fail "the editor ended by itself with status $status"; }
[ "$("$worker" count "$data/images.mdb")" -eq $((total - 1)) ] || fail "the editor changed the found marks"

# The user's copy writes ahead; the read-only delivered one keeps a rollback journal and
# is checked without a file beside it. Bytes 18 and 19 of the header say which.
journal() { od -An -tu1 -j18 -N2 "$1" | tr -s ' '; }
[ "$(journal "$data/images.mdb")" = " 2 2" ] || fail "the user's copy is not in WAL mode"
[ "$(journal "$lib/images.mdb")" = " 1 1" ] || fail "the delivered database is not in rollback-journal mode"
run "$root/usr/games/vobrel-check" "$data" >"$work/check.log" 2>&1 || { cat "$work/check.log"; fail "vobrel-check on the user's pairs"; }
before=$(ls -A "$lib")
run "$root/usr/games/vobrel-check" "$lib" >"$work/check.log" 2>&1 || { cat "$work/check.log"; fail "vobrel-check on the delivered pairs"; }
[ "$(ls -A "$lib")" = "$before" ] || fail "checking the delivered pairs left files beside them: $(ls -A "$lib")"
chmod -R u+w "$root"
echo "package per-user data: ok"
