#!/usr/bin/env bash
# The program as installed: the menu entry is valid and names the installed program and its icon,
# the program finds the installed mail library through its run path, and the installed program
# shows its window and ends as the one in the build folder does.
# Usage (inside xvfb-run with a 1280x1024 screen): InstalledProgram.sh BUILD-FOLDER ARTIFACT-FOLDER
set -u
build=$1
artifacts=$2
prefix="$artifacts/prefix"
rm -rf "$prefix"
mkdir -p "$artifacts"
fail() {
    echo "FAIL: $*"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$artifacts/install.txt" || fail "install"
for file in bin/vexamail bin/languages/francais.lng lib/libmapi32.so \
    share/applications/vexamail.desktop share/icons/hicolor/scalable/apps/vexamail.svg; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
entry="$prefix/share/applications/vexamail.desktop"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
grep -qx 'Exec=vexamail' "$entry" || fail "the entry does not start the program"
grep -qx 'Icon=vexamail' "$entry" || fail "the entry does not name the icon"
grep -qx 'Name=VEXA Mail' "$entry" || fail "the entry does not carry the product name"
readelf -d "$prefix/bin/vexamail" | grep -qF 'Library runpath: [$ORIGIN/../lib]' ||
    fail "the installed program lost its run path"

# The loader reports every library it initialises; the mail library must come from the prefix.
unset LD_LIBRARY_PATH
program="$artifacts/vexamail-traced"
printf '#!/bin/sh\nLD_DEBUG=files exec "%s" "$@"\n' "$prefix/bin/vexamail" >"$program"
chmod +x "$program"
"$(dirname "$0")/MailWindowProgram.sh" "$program" "$artifacts" || fail "the installed program"
loaded=$(sed -n 's/.*calling init: \(.*libmapi32\.so\)$/\1/p' "$artifacts/stderr.txt" | head -1)
[ -n "$loaded" ] || fail "the installed program did not load a mail library"
[ "$(realpath "$loaded")" = "$(realpath "$prefix/lib/libmapi32.so")" ] ||
    fail "the mail library came from $loaded"
echo "ok"
