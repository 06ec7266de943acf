# Sourced by the installation tests: a scratch folder $tmp removed at exit,
# `fail`, and first_frame PROGRAM FILE, which starts the game in a window until
# its first picture, saved as FILE, and checks that it is a whole 1024x768 screen.
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
first_frame() {
  "$1" --window --no-intro --screenshot "$2" >"$2.log" 2>&1 ||
    fail "$1 did not start: $(cat "$2.log")"
  grep -q "first frame" "$2.log" || fail "no first frame reported: $(cat "$2.log")"
  [ "$(identify -format '%w %h' "$2")" = "1024 768" ] || fail "the first frame is not 1024x768"
  local colours
  colours="$(identify -format '%k' "$2")"
  [ "$colours" -gt 100 ] || fail "the first frame is nearly blank ($colours colours)"
}
