#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Packages the existing build through debian/ (dpkg-buildpackage with VOBREL_BUILD, so
# nothing is compiled again) and checks the package as Debian would: lintian, the paths it
# holds, the commands' --help and --version without a display, the man pages.
#   deb_package.sh <source folder> <build folder> <folder to leave vobrel_*.deb in>
# Exits 77 (skipped) where the Debian packaging tools are missing.
set -euo pipefail
src=$1
build=$(realpath "$2")
out=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-buildpackage dh lintian man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (tools/install-deps.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/vobrel" "$out"
cp -r "$src/debian" "$work/vobrel/"
# What a build in place may have left there.
rm -rf "$work/vobrel/debian/"{.debhelper,vobrel,files,debhelper-build-stamp} "$work/vobrel/debian/"*.substvars
(cd "$work/vobrel" && VOBREL_BUILD=$build DEB_BUILD_OPTIONS="noautodbgsym nocheck" \
   dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) || { tail -30 "$work/build.log"; fail "dpkg-buildpackage"; }
debs=("$work"/vobrel_*_"$(dpkg --print-architecture)".deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found ${debs[*]}"
deb=${debs[0]}
rm -f "$out"/vobrel_*.deb
cp "$deb" "$out/"

# lintian: no error and no warning. The build's own compiler flags may lack what
# dpkg-buildflags adds (make deb builds with them); lintian says so as information.
lintian --display-info --show-overrides "$deb" >"$work/lintian" 2>&1 || true
grep -E '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
grep -E "^[IO]: " "$work/lintian" | sed "s/^/lintian: /" || true
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0-1 ] || fail "version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
dpkg-deb -f "$deb" Static-Built-Using | grep -q '^sqlitecpp (= ' || fail "Static-Built-Using does not name SQLiteCpp"

dpkg-deb -c "$deb" >"$work/contents"
for f in ./usr/games/vobrel ./usr/games/ortavi ./usr/games/vobrel-check ./usr/games/vobrel-make-pair \
         ./usr/lib/vobrel/Vobrel ./usr/lib/vobrel/Ortavi ./usr/lib/vobrel/vobrel-check ./usr/lib/vobrel/vobrel-make-pair \
         ./usr/lib/vobrel/metafile-renderer ./usr/lib/vobrel/per-user-data \
         ./usr/share/games/vobrel/images.mdb ./usr/share/games/vobrel/GameOver.bmp ./usr/share/games/vobrel/Images/ \
         ./usr/share/man/man6/vobrel.6.gz ./usr/share/man/man6/ortavi.6.gz ./usr/share/man/man6/vobrel-check.6.gz \
         ./usr/share/man/man6/vobrel-make-pair.6.gz \
         ./usr/share/doc/vobrel/copyright ./usr/share/doc/vobrel/changelog.Debian.gz \
         ./usr/share/applications/vobrel.project.vobrel.desktop ./usr/share/applications/vobrel.project.ortavi.desktop \
         ./usr/share/metainfo/vobrel.project.vobrel.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/vobrel.png \
         ./usr/share/icons/hicolor/256x256/apps/ortavi.png; do
  grep -q " $f\( \|$\)" "$work/contents" || fail "$f is not in the package"
done
for gone in ./usr/bin/ ./usr/lib/vobrel/images.mdb ./usr/lib/vobrel/Images/; do
  ! grep -q " $gone\( \|$\)" "$work/contents" || fail "$gone is still in the package"
done
grep -q ' ./usr/games/vobrel -> ../lib/vobrel/Vobrel$' "$work/contents" || fail "/usr/games/vobrel does not lead to the game"

# The commands answer without a display and without any file of theirs.
root=$work/root
dpkg-deb -x "$deb" "$root"
for command in vobrel ortavi vobrel-check vobrel-make-pair; do
  for option in --help --version; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=/nonexistent "$root/usr/games/$command" $option \
      >"$work/said" 2>"$work/err" || fail "$command $option ended with $?: $(cat "$work/err")"
    [ -s "$work/said" ] && [ ! -s "$work/err" ] || fail "$command $option said nothing, or wrote an error"
  done
  grep -q "^Uso: $command" <(env -u DISPLAY "$root/usr/games/$command" --help) || fail "$command --help is not the Italian help"
  [ "$(env -u DISPLAY "$root/usr/games/$command" --version | head -1)" = "$command 1.0.0" ] || fail "$command --version"
  set +e
  env -u DISPLAY "$root/usr/games/$command" --colori >/dev/null 2>"$work/err"
  status=$?
  set -e
  [ $status -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 2 ] && grep -q -- "--help" "$work/err" ||
    fail "$command --colori: status $status, $(cat "$work/err")"
  MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/$command.6.gz" >"$work/page" 2>"$work/err" ||
    fail "man page of $command"
  [ ! -s "$work/err" ] || fail "man page of $command: $(cat "$work/err")"
  grep -q "EXIT STATUS" "$work/page" && grep -q "EXAMPLES" "$work/page" || fail "man page of $command lacks a section"
done
echo "package: ok"
