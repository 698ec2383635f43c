#!/usr/bin/env bash
# A desktop entry's actions and a program's launch options, with a real
# pointer and keyboard under openbox. Under LANG=de_DE.UTF-8 the button
# menu lists the entry's two actions in German after Open, and the button's
# name and the find list use the entry's German Name and Comment; each
# action runs its own Exec. The options window, reached from the menu and
# filled from the keyboard, keeps arguments with quotes and blanks and a
# working folder; the script receives them as typed, in that folder. "Run
# in a terminal" starts the x-terminal-emulator first on PATH with the
# script and its arguments. An entry whose TryExec program is not installed
# shows as a missing target. Hide mode is off: each launch ends the program.
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)
atspi() { timeout 60 /usr/bin/python3 "$here/atspi.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

prog=$work/prog
mkdir -p "$prog" "$work/bin" "$work/work dir"
cp "$exe" "$prog/TabdeckV10"
# record OUT ARGS...: one argument a line, then the folder it ran in.
cat >"$work/bin/record" <<'SH'
#!/bin/sh
out=$1
shift
{ for a in "$@"; do printf '%s\n' "$a"; done; printf 'in %s\n' "$PWD"; } >"$out.part"
mv "$out.part" "$out"
SH
# The terminal stand-in only says how it was asked to run what.
printf '#!/bin/sh\nexec "%s/bin/record" "%s/term.out" "$@"\n' "$work" "$work" \
    >"$work/bin/x-terminal-emulator"
printf '#!/bin/sh\nexec "%s/bin/record" "%s/args.out" "$@"\n' "$work" "$work" >"$prog/args.sh"
chmod +x "$work/bin/record" "$work/bin/x-terminal-emulator" "$prog/args.sh"
export PATH=$work/bin:$PATH
cat >"$prog/notes.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Notes
Name[de]=Notizen
Comment=Keeps notes
Comment[de]=Hält Notizen fest
Exec=$work/bin/record $work/main.out main
Actions=new-window;private;

[Desktop Action new-window]
Name=New Window
Name[de]=Neues Fenster
Exec=$work/bin/record $work/new-window.out new-window

[Desktop Action private]
Name=Private Note
Name[de]=Private Notiz
Exec=$work/bin/record $work/private.out private %f
EOF
# An entry whose TryExec names a program that is not installed.
printf '[Desktop Entry]\nType=Application\nName=Gone\nTryExec=/nowhere/gone\nExec=true\n' \
    >"$prog/gone.desktop"
printf '[BUTTON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' \
    "$prog/notes.desktop" "$prog/args.sh" "$prog/gone.desktop" >"$prog/TabdeckV10.INI"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox
# start_strip VARIABLES...: the program under those variables, its strip shown.
start_strip() {
    env "$@" "$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
    strip_pid=$!
    pids+=("$strip_pid")
    wait_for 20 strip_wid >/dev/null || fail "no strip; it said: $(cat "$work/strip.log")"
    xdotool windowactivate --sync "$(strip_wid)" >/dev/null 2>&1 || true
    sleep 1 # the table loader gives the buttons their hints after the show
}
ended() { ! kill -0 "$strip_pid" 2>/dev/null; }
german=(-u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8)
# Buttons 1 and 2 of the strip at (200, 300).
b1=(270 320)
b2=(320 320)

# --- German: the actions listed, the second item runs "New Window" --------
start_strip "${german[@]}"
name=$(atspi name "Schaltfläche 1") || fail "no button 1 on the accessibility bus"
[[ $name == "Schaltfläche 1, Tabelle 1: Notizen - Hält Notizen fest" ]] ||
    fail "button 1 is not named by the entry's German Name and Comment: '$name'"
xdotool mousemove "${b1[0]}" "${b1[1]}" mousemove $((b1[0] + 7)) $((b1[1] + 6))
sleep 0.3
xdotool click 3
items=$(atspi menu 4)
[[ $items == "$(printf '%s\n' Öffnen 'Neues Fenster' 'Private Notiz' Ausschneiden)" ]] ||
    fail "the button menu does not list the actions in German: $(tr '\n' '|' <<<"$items")"
echo "German menu: $(tr '\n' '|' <<<"$items")"
xdotool key Escape
sleep 0.5
button_menu "${b1[@]}" Down Down Return
wait_for 10 test -s "$work/new-window.out" || fail "'Neues Fenster' ran nothing"
[[ $(cat "$work/new-window.out") == "$(printf 'new-window\nin %s' "$HOME")" ]] ||
    fail "'Neues Fenster' ran: $(cat "$work/new-window.out")"
[[ ! -e $work/main.out && ! -e $work/private.out ]] || fail "another Exec ran as well"
wait_for 10 ended || fail "the program did not end after the action (hide mode off)"
echo "Neues Fenster ran its own Exec"

# --- German: the find list knows the entry by its German Name --------------
start_strip "${german[@]}"
xdotool key --delay 100 n o t i z e n
sleep 1
xdotool key Return
wait_for 10 test -s "$work/main.out" || fail "typing 'notizen' and Return launched nothing"
[[ $(head -1 "$work/main.out") == main ]] || fail "the find list ran: $(cat "$work/main.out")"
wait_for 10 ended || fail "the program did not end after the find list's launch"
echo "the find list found 'notizen' and launched the entry"

# --- English: the third item runs "Private Note", its %f dropped -----------
start_strip
gone_shown() { [[ $(atspi name "Button 3") == "Button 3, table 1: Target missing: $prog/gone.desktop" ]]; }
wait_for 20 gone_shown || fail "the entry without its program is named '$(atspi name "Button 3")'"
echo "an entry whose TryExec is not installed shows as a missing target"
button_menu "${b1[@]}" Down Down Down Return
wait_for 10 test -s "$work/private.out" || fail "'Private Note' ran nothing"
[[ $(cat "$work/private.out") == "$(printf 'private\nin %s' "$HOME")" ]] ||
    fail "'Private Note' ran: $(cat "$work/private.out")"
wait_for 10 ended || fail "the program did not end after the second action"
echo "Private Note ran its own Exec"

# --- Launch options from the keyboard: arguments and folder ----------------
typed='-x "two  words" "say """hi""" " plain'
start_strip
# Open, Cut, Paste, Delete, File Prop..., Launch Options…
button_menu "${b2[@]}" Down Down Down Down Down Down Return
wait_for 10 window_up "Launch Options" || fail "the Launch Options window did not open"
sleep 0.5
xdotool type --delay 40 -- "$typed"
xdotool key Tab
xdotool type --delay 40 "$work/work dir"
xdotool key Return
wait_for 10 ini_is LAUNCHARGS 2 "$typed" || fail "LAUNCHARGS 2 is '$(ini_value LAUNCHARGS 2)'"
[[ $(ini_value LAUNCHDIR 2) == "$work/work dir" ]] || fail "LAUNCHDIR 2 is '$(ini_value LAUNCHDIR 2)'"
wait_for 5 no_box "Launch Options" || fail "the Launch Options window stayed open"
name=$(atspi name "Button 2") || fail "no button 2 on the accessibility bus"
# The accessible name keeps one blank of a run.
[[ $name == "$(tr -s ' ' <<<"Button 2, table 1: args.sh (arguments: $typed; folder: $work/work dir)")" ]] ||
    fail "the hint does not show the options: '$name'"
xdotool mousemove "${b2[0]}" "${b2[1]}" mousemove $((b2[0] + 7)) $((b2[1] + 6))
sleep 0.3
xdotool click 1
wait_for 10 test -s "$work/args.out" || fail "pressing button 2 did not start the script"
want=$(printf '%s\n' -x 'two  words' 'say "hi" ' plain "in $work/work dir")
[[ $(cat "$work/args.out") == "$want" ]] ||
    fail "the script got: $(cat -A "$work/args.out")"
wait_for 10 ended || fail "the program did not end after the launch"
echo "arguments and folder arrived as typed"

# --- Run in a terminal -----------------------------------------------------
start_strip
button_menu "${b2[@]}" Down Down Down Down Down Down Return
wait_for 10 window_up "Launch Options" || fail "the Launch Options window did not open again"
sleep 0.5
# The mnemonic clicks the box as a hand does, the tick coming a moment later.
xdotool key alt+t
sleep 0.5
xdotool key Return
wait_for 10 ini_is LAUNCHTERM 2 True || fail "LAUNCHTERM 2 is '$(ini_value LAUNCHTERM 2)'"
xdotool mousemove "${b2[0]}" "${b2[1]}" mousemove $((b2[0] + 7)) $((b2[1] + 6))
sleep 0.3
xdotool click 1
wait_for 10 test -s "$work/term.out" || fail "no terminal was started"
want=$(printf '%s\n' -e "$prog/args.sh" -x 'two  words' 'say "hi" ' plain "in $work/work dir")
[[ $(cat "$work/term.out") == "$want" ]] || fail "the terminal got: $(cat -A "$work/term.out")"
wait_for 10 ended || fail "the program did not end after the terminal launch"
echo "x-terminal-emulator got -e, the script and its arguments"
echo "PASS"
