#!/usr/bin/env bash
# Drives the built program as a person would: under Xvfb with the openbox window manager, by
# xdotool clicks, typing, menu choices and close requests; every scenario ends with a clean quit.
# Usage: run.sh PROGRAM [SCENARIO...]   (no scenario: all of them)
set -uo pipefail
program=$(realpath "$1") here=$(dirname "$(realpath "$0")") work=$(mktemp -d) && shift
# A desktop session always has a runtime folder; without one Qt warns on stderr at start.
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 "$XDG_RUNTIME_DIR"
# A sanitizer's report ends the program non-zero and fails the scenario; lsan.supp's leaks pass.
export ASAN_OPTIONS=halt_on_error=1:exitcode=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$here/../lsan.supp:print_suppressions=0
trap 'kill "${xserver_pid-}" 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP PIPE

fail() { echo "  $*" >&2; return 1; }
expect() { [[ $2 == "$3" ]] || fail "$1: got '$2', want '$3'"; }
# Polls the command $2... until it holds, for up to $1 seconds.
wait_until() {
  local end=$((SECONDS + $1)) && shift
  until "$@"; do ((SECONDS < end)) || fail "timed out: $*" || return; sleep 0.02; done
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" & xserver_pid=$!
wait_until 5 test -s "$work/display" || { cat "$work/xvfb.log"; exit 1; }
DISPLAY=:$(<"$work/display") && export DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wait_until 10 wmctrl -m >/dev/null 2>&1 || { cat "$work/openbox.log"; exit 1; }

# Starts the program (or $1); its splash appeared after splash_seen, when the last look that
# missed it began, so a busy machine makes the hand-over seem later, never earlier.
start() {
  "${1:-$program}" >/dev/null 2>"$work/stderr" &
  pid=$! conv="" splash_seen=$EPOCHREALTIME && local end=$((SECONDS + 10)) look=$EPOCHREALTIME
  until splash=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1); [[ -n $splash ]]; do
    ((SECONDS < end)) || fail "no splash" || return
    splash_seen=$look look=$EPOCHREALTIME
  done
  [[ $(xdotool getwindowname "$splash") != Quorvane ]] || fail "the converter came first"
}

# Sets found to a visible window of the program, not the splash or the converter, whose title
# matches $1 (empty: any title); a menu's popup only when $2 is "popup".
window() {
  for found in $(xdotool search --all --onlyvisible --pid "$pid" ${1:+--name "$1"} 2>/dev/null); do
    [[ $found != "$splash" && $found != "$conv" && $(overridden "$found" && echo popup) == "${2-}" ]] && return
  done
  return 1
}
overridden() { xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'; }
# Each window given carries the program's 64-pixel icon, not the window manager's 48-pixel one.
iconed() { for w; do expect icon "$(xprop -id "$w" -f _NET_WM_ICON 32c ' $0x$1' _NET_WM_ICON)" \
  "_NET_WM_ICON(CARDINAL) 64x64" || return; done; }
visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
not() { ! "$@"; }

# Waits up to $1 seconds for the hand-over to the converter; finds the height of its menu bar.
handed_over() {
  wait_until "$1" window '^Quorvane$' || return
  conv=$found menubar=$(($(xdotool getwindowgeometry --shell "$found" | sed -n 's/HEIGHT=//p') - 445))
}
# After the splash timer's hand-over: a splash dismissed early would hand over again mid-scenario.
converter() { start "$@" && handed_over 7; }

# Clicks at content coordinates $2,$3 of window $1 (below its menu bar).
click() { xdotool mousemove --window "$1" "$2" $(($3 + menubar)) click 1; }
# Chooses item $4 of the $3 items of the menu whose title is at x = $2 in window $1, by mouse.
menu() {
  xdotool mousemove --window "$1" "$2" $((menubar / 2)) click 1
  wait_until 3 window '' popup || return
  eval "$(xdotool getwindowgeometry --shell "$found")"
  xdotool mousemove --window "$found" $((WIDTH / 2)) $((HEIGHT * (2 * $4 - 1) / (2 * $3))) click 1
}
# Types $3 into the field at content position $1,$2 of the converter.
type_in() { click "$conv" $(($1 + 40)) $(($2 + 11)) && xdotool type "$3"; }
# Prints the whole text of the field at $1,$2 (in window $3, else the converter); "" if empty.
field() {
  clip '<none>' && click "${3:-$conv}" $(($1 + 40)) $(($2 + 11)) && xdotool key ctrl+a ctrl+c
  wait_until 1 not holds '<none>' 2>/dev/null
  xclip -o -selection clipboard 2>/dev/null | sed 's/^<none>$//'
}
# Puts $1 on the clipboard; holds tells whether it holds $1.
clip() { printf %s "$1" | xclip -selection clipboard >/dev/null 2>&1 && wait_until 2 holds "$1"; }
holds() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
# True when the range note's grey text darkens its white place beside the percentile.
note_shown() {
  local place=100x28+380+$((320 + menubar))
  (($(import -window "$conv" -crop "$place" -format '%[fx:int(100*minima)]' info:) < 90))
}
calculate() { click "$conv" 85 405; }
# a message box bears the program's name. Dismisses it with Return.
dismiss_message() {
  wait_until 5 window '' && expect "message title" "$(xdotool getwindowname "$found")" Quorvane || return
  xdotool key Return && wait_until 2 not visible "$found"
}

# Quits by the command given (Ctrl+Q by default); the program ends with nothing on stderr and 0.
quit() {
  if (($#)); then "$@"; else xdotool key ctrl+q; fi
  wait_until 5 ended || return
  local status=0 && wait "$pid" || status=$?
  expect "stderr" "$(<"$work/stderr")" "" && expect "exit status" "$status" 0
}
ended() { ! kill -0 "$pid" 2>/dev/null; }

# Ctrl+Z keeps the description as built, bold name too; its Window > Control. After a click on
# Calculate the typing goes on in the field; a score typed over a result is the one converted;
# File > Quit.
description_and_typing() {
  converter
  click "$conv" 266 404 && wait_until 5 window '^Description$' && iconed "$splash" "$conv" "$found"
  xdotool windowactivate --sync "$found" && click "$found" 260 300 && xdotool key ctrl+z
  expect "description" "$(field 220 289 "$found")" "$(<"$here/../../resources/description.txt")"
  [[ $(xclip -o -selection clipboard -t text/html) == *'700;">Quorvane<'* ]] || fail "not bold"
  menu "$found" 107 3 1
  type_in 380 197 13 && calculate && xdotool type 0
  expect "Wechsler IQ" "$(field 380 197)" 130
  calculate && click "$conv" 420 208 && xdotool key ctrl+a type 70 && calculate
  expect "Wechsler IQ" "$(field 380 197)" 70
  expect "percentile" "$(field 226 320)" 2
  quit menu "$conv" 20 1 1
}

# the hand-over comes 4000 ms after the splash appeared, never before; three
# runs, as an early timer is early in about half of them.
handover_time() {
  for _ in 1 2 3; do
    converter
    local ms=$(((${EPOCHREALTIME/./} - ${splash_seen/./}) / 1000))
    echo "  hand-over after $ms ms" && ((ms >= 4000))
    quit
  done
}

# the splash refuses a close request and offers no close; the hand-over still comes. Insert and
# Ctrl+B dismiss the About box; the window manager's close of the converter quits. F5 dismisses
# the splash; Ctrl+Q still quits.
splash_and_keys() {
  start
  python3 "$here/close_request.py" "$splash"
  ! xprop -id "$splash" _NET_WM_ALLOWED_ACTIONS 2>&1 | grep -q CLOSE || fail "the splash offers a close"
  visible "$splash" || fail "the splash was closed"
  wmctrl -i -c "$splash" && handed_over 6
  for key in Insert ctrl+b; do
    menu "$conv" 107 3 3 && wait_until 2 visible "$splash"
    xdotool key "$key" && wait_until 2 not visible "$splash"
  done
  quit wmctrl -i -c "$conv"
  start && xdotool key F5 && handed_over 2 && quit
}

# the note shows exactly while a result ends in "*": T 99 marks the percentile, erasing its mark
# hides the note, Ctrl+Z brings both back; a blank pasted after the mark of NCE (from a pasted
# percentile of 98.9998) keeps the note. OK on a range message (its title), and Backspace still
# empties the form; Alt+F4.
note_and_message() {
  converter
  type_in 226 197 99 && calculate && wait_until 2 note_shown
  click "$conv" 266 331 && xdotool key End BackSpace && wait_until 2 not note_shown
  xdotool key ctrl+z && wait_until 2 note_shown
  expect "percentile" "$(field 226 320)" "99*"
  clip 98.9998 && xdotool key ctrl+a ctrl+v && calculate && wait_until 2 note_shown
  clip " " && click "$conv" 110 270 && xdotool key End ctrl+v
  expect "NCE" "$(field 70 259)" "99* "
  note_shown || fail "the note went with a blank after the mark"
  type_in 226 320 100 && calculate && dismiss_message && xdotool key End BackSpace
  expect "NCE" "$(field 70 259)" ""
  quit xdotool key alt+F4
}

# without its pictures the program writes nothing on stderr.
no_pictures() {
  mkdir "$work/bare" && cp "$program" "$work/bare/" && converter "$work/bare/${program##*/}" && quit
}

# The splash shows the title picture and the icon as their files hold them, inside its edge.
pictures_shown() {
  start
  wait_until 3 shows QVRtitleSm 313x20+12+34 Icon64 64x64+135+81
  xdotool key space && handed_over 2 && quit
}
# True when for each picture $1, $3... laid on white at most 1 % of the pixels of the splash's area
# $2, $4... differ. The files lie beside the program, where it is installed, or in the checkout.
shows() {
  import -window "$splash" "$work/splash.png" || return
  local file differ
  while (($#)); do
    for file in "${program%/*}"/{resources,../share/quorvane} "$here/../../resources"; do
      [[ -f $file/$1.png ]] && break
    done
    convert "$file/$1.png" -background white -flatten "$work/$1.png" || return
    differ=$(compare -metric AE -fuzz 5% "$work/splash.png[$2]" "$work/$1.png" null: 2>&1)
    ((${differ%%[!0-9]*} * 100 <= $(identify -format '%w*%h' "$work/$1.png"))) && shift 2 || return
  done
}

# Ends the scenario's program; what it wrote on stderr tells why a scenario that failed midway did.
finish() {
  kill -9 "${pid-}" 2>/dev/null || true
  sed 's/^/  stderr: /' "$work/stderr" 2>/dev/null || true
}

scenarios=("$@")
((${#scenarios[@]})) || scenarios=(description_and_typing splash_and_keys handover_time
  note_and_message no_pictures pictures_shown)
outcomes=(PASS FAIL) failed=0
for scenario in "${scenarios[@]}"; do
  SECONDS=0
  # Each in a subshell with errexit, outside any condition (which ignores it); ends the program.
  (set -e; trap finish EXIT; "$scenario") 2>&1
  status=$(($? != 0)) && failed=$((failed + status))
  echo "${outcomes[status]} $scenario ($SECONDS s)"
done
echo "$((${#scenarios[@]} - failed)) passed, $failed failed"
((failed == 0))
