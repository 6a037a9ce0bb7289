#!/usr/bin/env bash
# The real program with the mail library it ships and the real xdg-email, and a mail client
# registered for mailto: in a desktop of the test's own: a click on the send button opens the
# client with the message, and the client receives address, subject and body exactly as the
# program sent them. A language module for English that leaves every text to German makes the
# message German, so that it carries characters outside ASCII; its line breaks are CR LF.
# Usage (inside xvfb-run with a 1280x1024 screen):
#   MailClientProgram.sh BUILD-FOLDER TEXT-TOOL MODULE REGISTER-MAIL-CLIENT PRODUCT-TEXT
#       ARTIFACT-FOLDER
set -u
build=$1
texts=$2
module=$3
register=$4
product=$5
artifacts=$6
rm -rf "$artifacts"
mkdir -p "$artifacts/bin/languages" "$artifacts/lib"
. "$(dirname "$0")/ProgramDriver.sh"
stderr_file="$artifacts/stderr.txt"
pid=""

# The program beside the mail library, as installed, and the module below it.
cp "$build/bin/vexamail" "$artifacts/bin/"
cp "$build/lib/libmapi32.so" "$artifacts/lib/"
cp "$module" "$artifacts/bin/languages/english.lng"
"$register" "$artifacts/desktop" >"$artifacts/register.txt" 2>&1 ||
    fail "no mail client registered: $(cat "$artifacts/register.txt")"
export XDG_CONFIG_HOME="$artifacts/desktop/config" XDG_DATA_HOME="$artifacts/desktop/data"
export XDG_CONFIG_DIRS="$artifacts/desktop/none" XDG_DATA_DIRS="$artifacts/desktop/none"
export XDG_CURRENT_DESKTOP=X-Generic
unset LD_LIBRARY_PATH MAILER BROWSER
received="$artifacts/desktop/mailto-args"

today=$(date +%Y-%m-%d)
start_program "$artifacts/bin/vexamail" "$stderr_file"
window=$(find_window '^VEXA – Nachricht an den Support$')
[ -n "$window" ] || fail "no German window appeared"
xdotool mousemove --window "$window" 26 268 click 1
for _ in $(seq 200); do
    [ -s "$received" ] && break
    sleep 0.05
done
[ -s "$received" ] || fail "the mail client was not started"
key_into "$window" 100 34 Return
expect_exit 0

# One argument, the mailto: URI; its fields percent-decoded.
mapfile -d '' arguments <"$received"
[ "${#arguments[@]}" = 1 ] || fail "the mail client got ${#arguments[@]} arguments"
uri=${arguments[0]}
printf '%s\n' "$uri" >"$artifacts/mailto.txt"
decode() { printf '%b' "${1//%/\\x}"; }
[[ $uri =~ ^mailto:([^?]*)\?subject=([^\&]*)\&body=([^\&]*)$ ]] || fail "not the message: $uri"
to=$(decode "${BASH_REMATCH[1]}")
subject=$(decode "${BASH_REMATCH[2]}")
body=$(decode "${BASH_REMATCH[3]}"; printf x)
body=${body%x}

# The texts as the program holds them: the German column, its escapes undone.
text() {
    local line
    line=$("$texts" export | grep -P "^$1\t" | cut -f2)
    line=${line//\\r/$'\r'}
    printf '%s' "${line//\\n/$'\n'}"
}
expected_body=$(text 10775; printf x)
expected_body=${expected_body%x}
expected_body=${expected_body/\%s/"$product"}
expected_body=${expected_body/\%s/"$today"}
[ "$to" = "support@brenik.example" ] || fail "address: $to"
[ "$subject" = "$(text 10773)" ] || fail "subject: $subject"
[ "$body" = "$expected_body" ] || fail "body: $(printf '%q' "$body")"
[[ $body == *Grüßen$'\r\n' ]] || fail "the body lost its last line: $(printf '%q' "$body")"
echo "ok: the mail client got $artifacts/mailto.txt"
