#!/usr/bin/env bash
# The real program under Wine, used as a user would: notepad has the focus,
# F5 and F6 are pressed on the X display, and what happened is read from
# outside (notepad's text, the program's edit boxes and counter).
#   send_run_e2e.sh QQSEND_EXE STANDIN_DLL PROBE_EXE
# The stand-in DLL serves the HTML document class: each successful copy puts
# the picture's file name on the clipboard, so each paste shows in notepad.
set -uo pipefail
[ $# = 3 ] || { echo "usage: $0 QQSEND_EXE STANDIN_DLL PROBE_EXE" >&2; exit 2; }
exe=$(realpath "$1") dll=$(realpath "$2") probe_exe=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/env.sh"
source "$root/scripts/session.sh"

# A prefix, a wineserver and an X display of this test's own.
export QQSEND_WINEPREFIX=${QQSEND_E2E_WINEPREFIX:-$QQSEND_WINEPREFIX-e2e}
unset QQSEND_DISPLAY
"$root/scripts/wine-prefix" || exit 1

work=$(mktemp -d /tmp/qqsend-e2e.XXXXXX)
cleanup() { stop_wine; stop_xvfb; rm -rf "$work"; }
trap cleanup EXIT
start_xvfb || exit 1
start_wine

clsid='{25336920-03F9-11CF-8FD0-00AA00686F13}'
counter_prefix='当前已发送：'
failures=0

wine_cmd() { wine_env "$QQSEND_WINE" "$@"; }
probe() { wine_cmd "$work/probe.exe" "$@" 2>/dev/null; }
ok() { echo "ok: $1"; }
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
# what, expected, actual
expect_eq() {
  if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

# seconds, command...: true as soon as the command succeeds.
wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# The program's unseeded generator: count picture numbers in low..high,
# after skip earlier draws.
pictures() {  # count low high [skip]
  local count=$1 low=$2 high=$3 skip=${4:-0} state=1 i out=()
  for ((i = 0; i < skip + count; i++)); do
    state=$(((state * 214013 + 2531011) & 0xFFFFFFFF))
    if ((i >= skip)); then out+=($((low + ((state >> 16) & 0x7FFF) % (high - low + 1)))); fi
  done
  echo "${out[*]}"
}

# What notepad shows after pasting these pictures, one send (paste, Enter) each.
# The x matches the one notepad_text puts after the last line break.
notepad_after() { local n; for n in "$@"; do printf '%s.jpg\n' "$n"; done; echo x; }

state=
read_state() { state=$(probe main 5); }
field() { sed -n "s/^$1=//p" <<<"$state"; }
label3_text() { read_state; field label3.text; }
counter() { read_state; local t; t=$(field label3.text); echo "${t#"$counter_prefix"}"; }
edits_enabled() {  # prints the five enabled flags, e.g. "1 1 1 1 1"
  read_state
  echo "$(field edit1.enabled) $(field edit2.enabled) $(field edit3.enabled) $(field edit4.enabled) $(field edit5.enabled)"
}
all_enabled() { [ "$(edits_enabled)" = "1 1 1 1 1" ]; }
all_disabled() { [ "$(edits_enabled)" = "0 0 0 0 0" ]; }
counter_is() { [ "$(counter)" = "$1" ]; }
notepad_text() { probe notepad-text; echo x; }  # the x keeps trailing newlines
notepad_lines() { probe notepad-text | grep -c . || true; }
notepad_has_lines() { [ "$(notepad_lines)" -ge "$1" ]; }

register_standin() {
  wine_cmd reg add "HKCR\\CLSID\\$clsid\\InprocServer32" /ve /d "$(wine_cmd winepath -w "$work/standin.dll")" /f >/dev/null 2>&1
  wine_cmd reg add "HKCR\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null 2>&1
}
# The class unavailable: no key at all, so that no other server can answer.
unregister_standin() {
  wine_cmd reg delete "HKCR\\CLSID\\$clsid" /f >/dev/null 2>&1 || true
}

desktop=
press() {  # key names for xdotool, into the virtual desktop's X window
  xdotool windowfocus "$desktop" 2>/dev/null
  xdotool key "$@"
}

program_pid=
start_program() {
  wine_cmd "$work/qqsend.exe" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  if ! probe main 30 >/dev/null; then
    fail "the main window appears"
    exit 1
  fi
}

# Waits for the program to end and sets program_rc to its exit code, or to
# "running". Runs in this shell: only it can wait for its own child.
program_rc=
wait_program_end() {
  program_rc=0
  if ! wait_until 15 bash -c "! kill -0 $program_pid 2>/dev/null"; then
    program_rc=running
    kill "$program_pid" 2>/dev/null
    return
  fi
  wait "$program_pid" || program_rc=$?
}

close_program() {
  probe close-main
  wait_program_end
  expect_eq "the program ends normally when its window is closed" 0 "$program_rc"
}

# Notepad empty and in front, the caret in its text, ready for pastes.
focus_notepad() {
  probe notepad-clear
  probe focus-notepad >/dev/null || fail "notepad comes to the foreground"
}

settle() { sleep "${1:-1}"; }

# --- set-up: the program in a folder of its own with pictures 1..15 --------
cp "$exe" "$work/qqsend.exe"
cp "$dll" "$work/standin.dll"
cp "$probe_exe" "$work/probe.exe"
for n in $(seq 1 15); do printf 'picture %s\n' "$n" >"$work/$n.jpg"; done
log=$work/standin.log
register_standin

wine_cmd notepad </dev/null >/dev/null 2>&1 &
wait_until 30 bash -c "xdotool search --name 'Wine desktop' >/dev/null 2>&1" ||
  { fail "Wine's virtual desktop appears"; exit 1; }
desktop=$(xdotool search --name 'Wine desktop' | head -n1)
wait_until 30 probe notepad-text >/dev/null || { fail "notepad starts"; exit 1; }

# --- a run stopped with F6 --------------------------------------------------
echo "== a run stopped with F6"
start_program
read_state
expect_eq "the edit boxes show their initial texts" "20100 20 1 15 .jpg" \
  "$(field edit1.text) $(field edit2.text) $(field edit3.text) $(field edit4.text) $(field edit5.text)"
expect_eq "the counter starts at 0" "${counter_prefix}0" "$(label3_text)"
expect_eq "the edit boxes are enabled at start" "1 1 1 1 1" "$(edits_enabled)"

# Notepad under Wine can take longer than 20 ms to handle a paste; the next
# send's copy would then reach it first. A longer interval keeps it in step.
probe set-edit 2 250
rm -f "$log"
focus_notepad
press F5
if wait_until 30 notepad_has_lines 4; then
  expect_eq "the edit boxes are disabled during the run" "0 0 0 0 0" "$(edits_enabled)"
  press F6
  wait_until 10 all_enabled || true
  expect_eq "the edit boxes are enabled after F6" "1 1 1 1 1" "$(edits_enabled)"
  sent=$(counter)
  settle
  text=$(notepad_text)
  expect_eq "notepad holds one line per counted send, in the generator's order" \
    "$(notepad_after $(pictures "$sent" 1 15))" "$text"
  settle
  expect_eq "nothing is pasted after the stopped run" "$text" "$(notepad_text)"
  expect_eq "nothing is counted after the stopped run" "$sent" "$(counter)"
  expect_eq "every send of the run reached the document and was counted" "$sent" \
    "$(grep -c '^document\.write' "$log" 2>/dev/null || true)"
else
  fail "F5 in notepad pastes pictures (notepad: [$(probe notepad-text)])"
  sent=$(counter)
fi

# --- a run that reaches its count -----------------------------------------
echo "== a run that reaches its count"
rm -f "$log"
probe set-edit 1 3
focus_notepad
press F5
wait_until 20 counter_is $((sent + 3)) || true
wait_until 10 all_enabled || true
expect_eq "the counter goes on from the earlier run" "${counter_prefix}$((sent + 3))" \
  "$(label3_text)"
expect_eq "the edit boxes are enabled once the count is reached" "1 1 1 1 1" "$(edits_enabled)"
next=$(pictures 3 1 15 "$sent")
settle
expect_eq "notepad holds the run's three pictures" "$(notepad_after $next)" "$(notepad_text)"
run_dir=$(wine_cmd winepath -w "$work")
# Each send writes a document naming the picture's full path, then copies it.
expect_eq "each send's document names its picture in the run directory" \
  "$(for n in $next; do printf 'src="%s\\%s.jpg"\n' "$run_dir" "$n"; done)" \
  "$(grep '^document\.write' "$log" 2>/dev/null | grep -o 'src="[^"]*"')"
# Each call in order, and every object released before the next send.
one_send="document.write document.body body.createControlRange body.released document.getElementById"
one_send+=" range.add range.execCommand document.released range.released element.released"
expect_eq "each send makes the document's calls in order" "$one_send $one_send $one_send" \
  "$(cut -d' ' -f1 "$log" 2>/dev/null | tr '\n' ' ' | sed 's/ $//')"
close_program

# --- a picture missing: that send pastes nothing and is not counted -------
echo "== a picture missing"
first=$(pictures 5 1 15)
missing=$(cut -d' ' -f2 <<<"$first")
rm "$work/$missing.jpg"
start_program
probe clipboard-set "copied by the user"
probe set-edit 1 5
probe set-edit 2 300
focus_notepad
press F5
wait_until 10 all_disabled || fail "the run starts"
wait_until 20 all_enabled || fail "the run ends by itself"
expect_eq "the missing picture's send is not counted" "${counter_prefix}4" "$(label3_text)"
settle
expect_eq "notepad holds the other four pictures and nothing the user copied" \
  "$(notepad_after $(sed "s/\b$missing\b//" <<<"$first"))" "$(notepad_text)"
close_program
printf 'picture %s\n' "$missing" >"$work/$missing.jpg"

# --- the HTML document class unavailable: nothing is pasted ----------------
echo "== the HTML document class unavailable"
unregister_standin
rm -f "$log"
start_program
probe clipboard-set "copied by the user"
probe set-edit 1 3
probe set-edit 2 500
focus_notepad
press F5
wait_until 10 all_disabled || fail "the run starts"
wait_until 20 all_enabled || fail "the run ends by itself"
expect_eq "no send is counted" "${counter_prefix}0" "$(label3_text)"
settle
expect_eq "nothing is pasted into notepad" "x" "$(notepad_text)"
expect_eq "no document reached the stand-in" "absent" "$([ -e "$log" ] && echo present || echo absent)"
close_program
register_standin

# --- the window closed during a run ------------------------------------------
echo "== the window closed during a run"
start_program
probe set-edit 2 250
focus_notepad
press F5
if wait_until 30 notepad_has_lines 2; then
  probe close-main
  wait_program_end
  expect_eq "the program ends normally when closed during a run" 0 "$program_rc"
  text=$(notepad_text)
  lines=$(notepad_lines)
  # The last paste may be waiting for its Enter when the window goes: that
  # Enter never comes, so the final line break is not compared.
  expect_eq "notepad holds the pictures sent before the close" \
    "$(printf '%s.jpg\n' $(pictures "$lines" 1 15))" "$(probe notepad-text)"
  settle
  expect_eq "nothing is pasted after the window is gone" "$text" "$(notepad_text)"
else
  fail "F5 in notepad pastes pictures"
  close_program
fi

# --- F5 held down: auto-repeat must do no harm --------------------------------
echo "== F5 held down"
start_program
probe set-edit 1 3
probe set-edit 2 250
focus_notepad
xdotool windowfocus "$desktop" 2>/dev/null
xdotool keydown F5
sleep 2
xdotool keyup F5
wait_until 10 all_disabled || true
wait_until 60 all_enabled || fail "the runs end by themselves"
settle
sent=$(counter)
expect_eq "the program is still there" found "$(probe main 1 | sed -n 's/^main=//p')"
# A repeat arriving in a send's wait nests a run there, so that send's Enter
# comes after the nested sends: the pastes keep the generator's order and
# every counted send has its Enter, but not right after its own paste.
expect_eq "the pastes follow the generator's order" \
  "$(printf '%s.jpg' $(pictures "${sent:-0}" 1 15))" "$(probe notepad-text | tr -d '\n')"
expect_eq "every counted send pressed its Enter" "${sent:-0}" \
  "$(probe notepad-text | tr -cd '\n' | wc -c)"
close_program

echo
if [ $failures = 0 ]; then echo "e2e: all checks passed"; else echo "e2e: $failures checks failed"; fi
[ $failures = 0 ]
