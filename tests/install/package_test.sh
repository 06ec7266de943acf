#!/usr/bin/env bash
# Usage: package_test.sh BUILD_DIR CPACK VERSION
# The Debian package: control data, contents, valid metadata and manual pages
# saying what --help says, and the game started from the unpacked package.
set -euo pipefail
build="$1" cpack="$2" version="$3"
source "$(dirname "${BASH_SOURCE[0]}")/first_frame.sh"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -20 "$tmp/cpack.log")"
deb="$tmp/out/tavik-borun_${version}_$(dpkg --print-architecture).deb"
[ -s "$deb" ] || fail "no package $deb: $(ls "$tmp/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavik-borun ] || fail "package name $(field Package)"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
for lib in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsqlite3-0 libc6; do
  field Depends | grep -q "$lib" || fail "Depends lacks $lib: $(field Depends)"
done

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for f in bin/tavik-borun bin/tavik-borun-tool share/applications/tavik-borun.desktop \
  share/metainfo/cz.tavikborun.TavikBorun.metainfo.xml share/man/man6/tavik-borun.6.gz \
  share/man/man6/tavik-borun-tool.6.gz share/icons/hicolor/48x48/apps/tavik-borun.png \
  share/tavik-borun/Slovnik_cz.db share/tavik-borun/data/information.dat \
  share/tavik-borun/Sound/klik.wav; do
  [ -s "$root/usr/$f" ] || fail "the package lacks /usr/$f"
done
grep -qxF 'Exec="/usr/bin/tavik-borun"' "$share/applications/tavik-borun.desktop" ||
  fail "the desktop entry does not start /usr/bin/tavik-borun"

desktop-file-validate "$share/applications/tavik-borun.desktop" >"$tmp/v.log" 2>&1 ||
  fail "desktop entry: $(cat "$tmp/v.log")"
appstreamcli validate --no-net "$share/metainfo/cz.tavikborun.TavikBorun.metainfo.xml" \
  >"$tmp/v.log" 2>&1 || fail "metainfo: $(cat "$tmp/v.log")"

# The manual pages: no groff warnings, and the same options as --help.
options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
for prog in tavik-borun tavik-borun-tool; do
  page="$share/man/man6/$prog.6.gz"
  zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z -K utf8 -T utf8 2>"$tmp/groff.log" ||
    fail "$prog.6: groff failed"
  [ ! -s "$tmp/groff.log" ] || fail "$prog.6: $(cat "$tmp/groff.log")"
  zcat "$page" | LC_ALL=C.UTF-8 groff -man -K utf8 -T utf8 2>/dev/null |
    sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g' >"$tmp/$prog.txt"
  "$root/usr/bin/$prog" --help >"$tmp/$prog.help"
  diff <(options <"$tmp/$prog.help") <(options <"$tmp/$prog.txt") >"$tmp/diff" ||
    fail "$prog: --help and the manual page name other options: $(cat "$tmp/diff")"
done
sed -n 's/^    \([a-z-]*\)[ ,].*/\1/p; s/^  \([a-z]*\) .*/\1/p' "$tmp/tavik-borun-tool.help" |
  tr ',' '\n' | sort -u >"$tmp/commands"
while read -r c; do
  grep -qE "^ +$c( |,|$)" "$tmp/tavik-borun-tool.txt" || fail "tavik-borun-tool.6 lacks the command $c"
done <"$tmp/commands"

# Started from the unpacked root, as from /usr.
mkdir "$tmp/data"
export XDG_DATA_HOME="$tmp/data" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset TAVIK_BORUN_ROOT
first_frame "$root/usr/bin/tavik-borun" "$tmp/first.png"
[ -f "$tmp/data/tavik-borun/Data/User.dat" ] || fail "the packaged game made no user directory"
echo "package ok: $(du -h "$deb" | cut -f1) $(basename "$deb")"
