#!/bin/sh
# Registers a mail client for mailto: URIs in a desktop of its own below FOLDER, as a desktop
# does for the user: a desktop entry for x-scheme-handler/mailto in FOLDER/data/applications and
# a mimeapps.list in FOLDER/config naming it. The client is a script that writes each argument it
# receives, followed by a zero byte, to FOLDER/mailto-args, and ends with the status in
# VEXA_TEST_HANDLER_EXIT (0 by default).
# Usage: RegisterMailHandler.sh FOLDER
# Then run xdg-email with:
#   XDG_CONFIG_HOME=FOLDER/config XDG_DATA_HOME=FOLDER/data XDG_CONFIG_DIRS=FOLDER/none
#   XDG_DATA_DIRS=FOLDER/none XDG_CURRENT_DESKTOP=X-Generic and DISPLAY set.
set -eu
folder=$1
mkdir -p "$folder/config" "$folder/data/applications" "$folder/none"
client="$folder/record-mailto"
cat >"$client" <<SCRIPT
#!/bin/sh
for argument in "\$@"; do printf '%s\\0' "\$argument"; done >"$folder/mailto-args"
exit \${VEXA_TEST_HANDLER_EXIT:-0}
SCRIPT
chmod +x "$client"
entry="$folder/data/applications/vexa-test-mail.desktop"
cat >"$entry" <<ENTRY
[Desktop Entry]
Type=Application
Name=Recording mail client
Exec=$client %u
MimeType=x-scheme-handler/mailto;
ENTRY
desktop-file-validate "$entry"
printf '[Default Applications]\nx-scheme-handler/mailto=vexa-test-mail.desktop\n' \
    >"$folder/config/mimeapps.list"
# The desktop's own query finds the client.
found=$(XDG_CONFIG_HOME="$folder/config" XDG_DATA_HOME="$folder/data" \
    XDG_CONFIG_DIRS="$folder/none" XDG_DATA_DIRS="$folder/none" XDG_CURRENT_DESKTOP=X-Generic \
    xdg-mime query default x-scheme-handler/mailto)
[ "$found" = vexa-test-mail.desktop ] || { echo "mail client not registered: '$found'" >&2; exit 1; }
