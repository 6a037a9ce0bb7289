#!/usr/bin/env bash
# The real program under Xvfb with a recording mail library first in the loader's search order:
# a click on the send button hands the prepared message over and the window stays. When the mail
# library fails, the dialog titled "Error" appears above the window, Ctrl+C puts its text on the
# clipboard, Escape closes it and the window stays open until Enter ends the program.
# Usage (inside xvfb-run with a 1280x1024 screen):
#   MailSendProgram.sh PROGRAM RECORDING-MAIL-LIBRARY ARTIFACT-FOLDER
set -u
program=$1
provider=$2
artifacts=$3
mkdir -p "$artifacts/mail-library"
cp "$provider" "$artifacts/mail-library/libmapi32.so"
export LD_LIBRARY_PATH="$artifacts/mail-library"
export VEXA_TEST_MAPI_RECORD="$artifacts/mail-record.txt"
. "$(dirname "$0")/ProgramDriver.sh"

main_title='^VEXA.*Message to support$'
send_x=26 send_y=268 # the middle of the send button, in the window

# The hand-off succeeds.
rm -f "$VEXA_TEST_MAPI_RECORD"
unset VEXA_TEST_MAPI_STATUS
start_program "$program" "$artifacts/send-stderr.txt"
window=$(find_window "$main_title")
[ -n "$window" ] || fail "no window appeared"
xdotool mousemove --window "$window" "$send_x" "$send_y" click 1
# The record is complete with its last line.
for _ in $(seq 200); do
    grep -q '^files=' "$VEXA_TEST_MAPI_RECORD" 2>/dev/null && break
    sleep 0.05
done
grep -q '^files=' "$VEXA_TEST_MAPI_RECORD" 2>/dev/null || fail "the mail library was not called"
for expected in "session=0 parent=set flags=9 reserved=0" "subject=Request to VEXA support" \
    "recipients=1" "name=support@brenik.example" "address=SMTP:support@brenik.example" \
    "files=0"; do
    grep -qxF "$expected" "$VEXA_TEST_MAPI_RECORD" || fail "handed over without '$expected'"
done
grep -q '^body=.\+' "$VEXA_TEST_MAPI_RECORD" || fail "handed over without a body"
[ -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)" ] || fail "error shown"
key_into "$window" 100 34 Return
expect_exit 0

# The hand-off fails with status 2.
export VEXA_TEST_MAPI_STATUS=2
start_program "$program" "$artifacts/failure-stderr.txt"
window=$(find_window "$main_title")
[ -n "$window" ] || fail "no window appeared"
xdotool mousemove --window "$window" "$send_x" "$send_y" click 1
dialog=$(find_window '^Error$')
[ -n "$dialog" ] || fail "no error dialog appeared"
import -window "$dialog" "$artifacts/error-dialog.png" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$dialog")"
key_into "$dialog" $((WIDTH / 2)) 10 ctrl+c
expected=$(printf '%s\r\n' --------------------------- Error --------------------------- \
    'E-Mail not sended (Status code 2).' --------------------------- 'OK   ' \
    ---------------------------)
# The program takes the key when its loop next runs.
for _ in $(seq 40); do
    copied=$(xclip -o -selection clipboard 2>/dev/null)
    [ "$copied" = "$expected" ] && break
    sleep 0.05
done
[ "$copied" = "$expected" ] || fail "clipboard holds: $(printf '%q' "$copied")"
key_into "$dialog" $((WIDTH / 2)) 10 Escape
window_gone '^Error$' || fail "Escape did not close the dialog"
[ -n "$(xdotool search --onlyvisible --name "$main_title" 2>/dev/null)" ] ||
    fail "the window closed with the dialog"
key_into "$window" 100 34 Return
expect_exit 0
echo "ok: the dialog is in $artifacts/error-dialog.png"
