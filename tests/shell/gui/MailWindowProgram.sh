#!/usr/bin/env bash
# The real program under Xvfb: its window appears with the English caption, centred, in the
# designed layout; Enter in the addressee field closes it and the program exits 0 through its
# whole shutdown, without a GTK warning. Keeps a screenshot in the artifact folder.
# Usage (inside xvfb-run with a 1280x1024 screen): MailWindowProgram.sh PROGRAM ARTIFACT-FOLDER
set -u
program=$1
artifacts=$2
mkdir -p "$artifacts"
stderr="$artifacts/stderr.txt"
shot="$artifacts/mail-window.png"

. "$(dirname "$0")/ProgramDriver.sh"
start_program "$program" "$stderr"
window=$(find_window '^VEXA.*Message to support$')
[ -n "$window" ] || fail "no window appeared"
[ "$(xdotool getwindowname "$window")" = "VEXA – Message to support" ] || fail "caption"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 554 ] && [ "$HEIGHT" = 290 ] || fail "client area ${WIDTH}x${HEIGHT}"
[ "$X" = 363 ] && [ "$Y" = 367 ] || fail "not centred: $X,$Y"

pixel() { convert "$shot" -format "%[pixel:p{$1,$2}]" info: 2>/dev/null; }
# Fraction of a rectangle in the tooltip background colour.
tooltip_share() {
    convert "$shot" -crop "$1" +repage -fill black +opaque "srgb(255,255,225)" \
        -fill white -opaque "srgb(255,255,225)" -format "%[fx:mean]" info:
}
# The window is drawn when the addressee field shows its background.
for _ in $(seq 100); do
    import -window "$window" "$shot" 2>/dev/null
    [ "$(pixel 400 34)" = "srgb(255,255,225)" ] && break
    sleep 0.05
done
[ "$(pixel 400 34)" = "srgb(255,255,225)" ] || fail "addressee field not drawn: $(pixel 400 34)"
[ "$(pixel 400 92)" = "srgb(255,255,225)" ] || fail "subject field: $(pixel 400 92)"
awk "BEGIN { exit !($(tooltip_share 480x100+20+140) > 0.6) }" || fail "body field"
# Panels: flat border in the button-shadow colour at the panel's edge.
[ "$(pixel 300 17)" = "srgb(160,160,160)" ] || fail "addressee panel border: $(pixel 300 17)"
# Headers: the etched rule, shadow above highlight, right of the caption.
rule=$(convert "$shot" -crop 1x17+300+0 +repage txt:- | grep -c 'srgb(160,160,160)')
[ "$rule" -ge 1 ] || fail "no rule in the addressee header"
# The button bar: the background colour between the send button and OK.
[ "$(pixel 150 270)" = "srgb(240,240,240)" ] || fail "button bar: $(pixel 150 270)"

key_into "$window" 100 34 Return
expect_exit 0
echo "ok: screenshot in $shot"
