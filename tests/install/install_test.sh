#!/usr/bin/env bash
# Usage: install_test.sh BUILD_DIR CMAKE VERSION
set -euo pipefail
build="$1" cmake="$2" version="$3"
source "$(dirname "${BASH_SOURCE[0]}")/first_frame.sh"
prefix="$tmp/prefix"

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log"

for f in bin/tavik-borun bin/tavik-borun-tool \
  share/applications/tavik-borun.desktop \
  share/icons/hicolor/48x48/apps/tavik-borun.png \
  share/icons/hicolor/256x256/apps/tavik-borun.png \
  share/tavik-borun/Slovnik_cz.db share/tavik-borun/Slovnik_cz.dawg \
  share/tavik-borun/data/information.dat \
  share/tavik-borun/images/manifest.txt share/tavik-borun/images/pismena/pismeno38.bmp \
  share/tavik-borun/Sound/klik.wav share/tavik-borun/Sound/1.xm; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/tavik-borun" ] || fail "the game is not executable"

# The installed data is the build's root, file for file.
diff <(cd "$build/root" && find . -type f | sort) \
  <(cd "$prefix/share/tavik-borun" && find . -type f | sort) >"$tmp/diff" ||
  fail "share/tavik-borun differs from the build's root: $(head -5 "$tmp/diff")"

desktop="$prefix/share/applications/tavik-borun.desktop"
for line in '[Desktop Entry]' 'Type=Application' "Exec=\"$prefix/bin/tavik-borun\"" \
  'Icon=tavik-borun'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks $line"
done
[ "$(identify -format '%w %h' "$prefix/share/icons/hicolor/48x48/apps/tavik-borun.png")" = "48 48" ] ||
  fail "the 48x48 icon has another size"

# Started as the desktop entry starts it, from an unrelated folder: its files
# beside itself, the player's in the user directory.
mkdir "$tmp/elsewhere" "$tmp/data"
cd "$tmp/elsewhere"
unset TAVIK_BORUN_ROOT
export XDG_DATA_HOME="$tmp/data" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export PATH="$prefix/bin:$PATH"
( cd "$prefix" && find . -type f | sort ) >"$tmp/before"
exec_line="$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$desktop")"
first_frame "$exec_line" "$tmp/first.png"

user="$tmp/data/tavik-borun"
for f in Data/User.dat Save/1.dat Save/10.dat Save/Prubeh/10.dat; do
  [ -f "$user/$f" ] || fail "the user directory lacks $f"
done
( cd "$prefix" && find . -type f | sort ) >"$tmp/after"
diff "$tmp/before" "$tmp/after" >/dev/null || fail "the game wrote into its installation"
[ -z "$(ls -A "$tmp/elsewhere")" ] || fail "the game wrote into the current folder"

# The tool, started by name through PATH, finds the installed dictionary.
[ "$(tavik-borun-tool lookup pes xqzw)" = "$(printf 'pes\t1\nxqzw\t0')" ] ||
  fail "the installed tool does not find the dictionary"

# Both programs answer for themselves without starting anything.
for prog in tavik-borun tavik-borun-tool; do
  for a in -h --help; do
    "$prog" "$a" >"$tmp/help" || fail "$prog $a ends with status $?"
    grep -q -- '^  --version' "$tmp/help" || fail "$prog $a lists no options: $(cat "$tmp/help")"
  done
  [ "$("$prog" --version)" = "$prog $version" ] || fail "$prog --version: $("$prog" --version)"
  status=0
  "$prog" --bogus >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "$prog --bogus ends with status $status"
done
echo "installed layout and first start: ok"
