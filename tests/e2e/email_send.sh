#!/usr/bin/env bash
# The e-mail window with a real pointer and keyboard: opened from the strip's
# options menu, the account saved through the setup page's controls, a file
# chosen in the Open dialog, Send pressed; the mail arrives at a real SMTP
# server (aiosmtpd in clear on a loopback port the system chooses, typed on
# the setup page; a mail server the machine runs on port 25 is left alone).
# Then the way providers
# want it: STARTTLS on a submission port and a sign-in whose password the
# setup page puts in the desktop's keyring (a Secret Service on a private
# bus); the program trusts the test server's certificate authority through a
# private /etc/ssl/certs (a mount namespace of its own, see run_program).
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
root=$(cd "$(dirname "$0")/../.." && pwd)

click_at() { # X Y inside the e-mail window's client area
    xdotool mousemove $((ex + $1)) $((ey + $2))
    sleep 0.1
    xdotool click 1
    sleep 0.2
}
type_at() { click_at "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 20 "$3"; }

prog=$work/prog
store=$work/store
mkdir -p "$prog" "$store"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"
printf 'Hello from the end-to-end test.\n.A dotted line.\n' >"$work/body.txt"

# The server greets with a token of this run, so a server that is not the
# test's own is never taken for it.
token=e2e-$$-$RANDOM$RANDOM
/usr/bin/python3 "$root/tests/mail/smtp_store.py" "$store" "$token" >"$work/smtpd.out" 2>"$work/smtpd.log" &
pids+=($!)
smtpd_listening() { grep -q '^PORT ' "$work/smtpd.out"; }
wait_for 20 smtpd_listening || fail "aiosmtpd did not start: $(cat "$work/smtpd.log")"
smtp_port=$(awk '/^PORT / {print $2}' "$work/smtpd.out")
greeting=$(timeout 10 bash -c 'exec 3<>"/dev/tcp/127.0.0.1/$1" && read -r -t 5 line <&3 && echo "$line"' \
    _ "$smtp_port" 2>/dev/null) || true
[[ $greeting == "220 "*"$token"* ]] || fail "not the test's server on port $smtp_port: '$greeting'"
# The STARTTLS server that wants a sign-in; its wire log is every byte the
# program sent it. It writes its authority to $tls/ca.pem.
tls=$work/tls
mkdir -p "$tls" "$work/certs"
PYTHONPATH=$root/tests/mail /usr/bin/python3 "$root/tests/mail/tls_peer.py" "$tls" starttls good both \
    >"$work/tls.out" 2>"$work/tls.log" &
pids+=($!)
tls_listening() { grep -q '^PORT ' "$work/tls.out"; }
wait_for 20 tls_listening || fail "the TLS server did not start: $(cat "$work/tls.log")"
tls_port=$(awk '/^PORT / {print $2}' "$work/tls.out")
cp "$tls/ca.pem" "$work/certs/" && openssl rehash "$work/certs" >/dev/null

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# The program sees $work/certs as the system's trust store and has a keyring
# of its own. It runs in a process group of its own (setsid), which is ended
# as a whole: the bus and the keyring daemon go with it.
setsid unshare --map-root-user --mount sh -c 'mount --bind "$1" /etc/ssl/certs && shift && exec "$@"' \
    sh "$work/certs" "$root/tests/mail/in_keyring_session.sh" "$prog/TabdeckV10" \
    >"$work/strip.log" 2>&1 &
group=$!
trap 'kill -- -"$group" 2>/dev/null || true; cleanup' EXIT
wait_for 10 window_up TabdeckV10 || fail "no strip"

# A notice bears the program's title, as the strip does: it is the second window of that name.
notice_count() { xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null | wc -l; }
notice_up() { [[ $(notice_count) -ge 2 ]]; }
notice_gone() { [[ $(notice_count) -le 1 ]]; }
answer_notice() {
    wait_for 10 notice_up || fail "no notice"
    sleep 0.3
    xdotool key Return
    wait_for 5 notice_gone || fail "the notice did not close"
}
answer() { # CAPTION: presses the default button (Yes, or OK) of that box
    wait_for 10 window_up "$1" || fail "no box '$1'"
    xdotool windowactivate --sync "$(box_wid "$1")" 2>/dev/null || true
    sleep 0.3
    xdotool key Return
    wait_for 5 no_box "$1" || fail "box '$1' did not close"
}

# The setup page with this account on HOST; the connection is set after it.
fill_account() {
    click_at 352 13 # Setup
    type_at 221 55 "$1"
    type_at 221 79 e2e-tester
    type_at 221 103 me@example.com
    type_at 221 127 "Me Myself"
}
save_setup() {
    sleep 0.2
    # Save Setup keeps to the right edge of a window as wide as its language needs.
    local width
    width=$(xwininfo -id "$email" | awk '/^ *Width:/ {print $2}')
    click_at $((width - 132)) 200
    answer Confirm
    answer_notice # "The e-mail information was saved!"
}
# Exit (the saved setup counts from the next showing on), open the window
# again and send the body file to Bob with this SUBJECT.
send_body() {
    click_at 493 13 # Exit
    wait_for 5 no_box E-mail || fail "Exit did not close"
    open_email
    type_at 279 122 "bob@there.example"
    type_at 279 155 "$1"
    click_at 152 184 # the file button
    wait_for 10 window_up 'Slect File to Send' || fail "no Open dialog"
    sleep 0.5
    xdotool type --delay 20 "$work/body.txt"
    xdotool key Return
    wait_for 5 no_box 'Slect File to Send' || fail "the Open dialog did not close"
    click_at 49 13 # Send Mail
    answer Confirm
    answer_notice # "The e-mail was sent, your done sending e-mail!"
}

open_email
echo "E-mail window open at $ex,$ey"
fill_account 127.0.0.1
# The server here listens in clear: Security "None", then its port, by
# keyboard from the name field (Tab goes on to Port, then Security).
xdotool key Tab Tab
sleep 0.2
xdotool type --delay 20 N
xdotool key shift+Tab ctrl+a
xdotool type --delay 20 "$smtp_port"
save_setup
wait_for 5 ini_is EMAILSETUP Host 127.0.0.1 || fail "Host was not saved: '$(ini_value EMAILSETUP Host)'"
[[ $(ini_value EMAILSETUP YourName) == "Me Myself" ]] || fail "YourName is '$(ini_value EMAILSETUP YourName)'"
echo "setup saved"

send_body "End to end"
wait_for 10 test -s "$store/mail1.eml" || fail "no mail arrived at the server"
/usr/bin/python3 "$root/tests/mail/read_mail.py" "$store/mail1.eml" >"$work/mail.json"
/usr/bin/python3 - "$work/mail.json" <<'PY' || fail "the mail that arrived is not what was sent: $(cat "$work/mail.json")"
import json, sys
m = json.load(open(sys.argv[1]))
assert m["fromName"] == "Me Myself" and m["fromAddress"] == "me@example.com", m
assert m["to"] == "bob@there.example" and m["subject"] == "End to end", m
assert m["body"] == "\nHello from the end-to-end test.\n.A dotted line.\n\n", m
PY
# The greeting names this machine; the "User ID" a user may have typed a
# secret into never goes on the wire.
grep -qx "$(hostname)" "$store/mail1.env" || fail "EHLO did not name the machine: $(cat "$store/mail1.env")"
! grep -q 'e2e-tester' "$store/mail1.env" || fail "the user id went on the wire"
echo "mail arrived: $(tr '\n' ' ' <"$work/mail.json")"

# A provider's way: STARTTLS (the first choice, by keyboard: Home) on the
# server's port, Sign in with a user name and password, then the send
# finds the password in the keyring and asks for nothing.
password='s3cret pass'
fill_account localhost
xdotool key Tab Tab Home shift+Tab ctrl+a
xdotool type --delay 20 "$tls_port"
xdotool key Tab Tab space Tab ctrl+a
xdotool type --delay 20 ann
xdotool key Tab
xdotool type --delay 20 "$password"
save_setup
wait_for 5 ini_is EMAILSETUP AuthUser ann || fail "AuthUser was not saved: '$(tr -d '\r' <"$prog/TabdeckV10.INI")'"
[[ $(ini_value EMAILSETUP Security) == STARTTLS && $(ini_value EMAILSETUP Port) == "$tls_port" ]] ||
    fail "the connection was not saved: $(tr -d '\r' <"$prog/TabdeckV10.INI")"
[[ $(stat -c %a "$prog/TabdeckV10.INI") == 600 ]] || fail "the control file is readable by others"
sleep 1 # a keyring that failed would say so in a notice now
[[ $(notice_count) -le 1 ]] || fail "the password was not kept in the keyring"
send_body "Signed in"
no_box 'Sign In' || fail "the password was asked for, not taken from the keyring"
wait_for 10 test -s "$tls/mail1.eml" || fail "no mail arrived at the TLS server: $(cat "$work/tls.log" "$work/strip.log")"
/usr/bin/python3 "$root/tests/mail/read_mail.py" "$tls/mail1.eml" >"$work/mail2.json"
/usr/bin/python3 - "$work/mail2.json" <<'PY' || fail "the signed-in mail is not what was sent: $(cat "$work/mail2.json")"
import json, sys
m = json.load(open(sys.argv[1]))
assert m["subject"] == "Signed in" and m["fromAddress"] == "me@example.com", m
assert m["body"] == "\nHello from the end-to-end test.\n.A dotted line.\n\n", m
assert m["dated"] and m["messageId"].endswith("@example.com>"), m
PY
# In clear only EHLO and STARTTLS crossed; the password is in no file of the program.
[[ $(head -c 200 "$tls/wire.log" | tr -d '\r' | head -2 | tr '\n' ' ') == "EHLO $(hostname) STARTTLS " ]] ||
    fail "in clear before TLS: $(head -c 200 "$tls/wire.log" | cat -v)"
for secret in "$password" "$(printf '%s' "$password" | base64)" "$(printf '\0ann\0%s' "$password" | base64)"; do
    ! grep -qaF "$secret" "$tls/wire.log" || fail "the password crossed in clear"
    ! grep -rqaF "$secret" "$prog" || fail "the password is in a file of the program"
done
echo "signed-in mail arrived: $(tr '\n' ' ' <"$work/mail2.json")"
echo "PASS"
