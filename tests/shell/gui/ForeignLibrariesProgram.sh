#!/usr/bin/env bash
# The real program installed where other libraries lie below its folder, as in a prefix shared
# with other software or beside a bundled toolkit, a sanitizer runtime of the system among them:
# its window appears and it ends with status 0 through its whole shutdown; of the libraries only
# the language module and the module whose text lookup faults ran any code (each notes it in a
# file), the faulting one was refused and named, and the language module was loaded.
# Usage (inside xvfb-run with a 1280x1024 screen):
#   ForeignLibrariesProgram.sh BUILD-FOLDER TEST-MODULE-FOLDER SYSTEM-LIBRARY ARTIFACT-FOLDER
set -u
build=$1
modules=$2
system_library=$3
artifacts=$4
rm -rf "$artifacts"
mkdir -p "$artifacts/bin" "$artifacts/lib"
. "$(dirname "$0")/ProgramDriver.sh"
stderr_file="$artifacts/stderr.txt"
pid=""

cp "$build/bin/vexamail" "$artifacts/bin/"
cp "$build/lib/libmapi32.so" "$artifacts/lib/"
place() {
    mkdir -p "$(dirname "$artifacts/bin/$2")"
    cp -L "$1" "$artifacts/bin/$2" || fail "cannot place $1"
}
place "$modules/foreign.so" toolkit/libforeign.so.1
place "$modules/ending.so" toolkit/plugins/ending.plg
place "$modules/nodescription.so" halb.lng
place "$modules/faultstring.so" sprachen/absturz.lng
place "$modules/complete.so" sprachen/test.lng
[ -f "$system_library" ] || fail "no system library at '$system_library'"
place "$system_library" "toolkit/$(basename "$system_library")"
export VEXA_TEST_LOAD_MARK="$artifacts/marks.txt"
unset LD_LIBRARY_PATH

start_program "$artifacts/bin/vexamail" "$stderr_file"
window=$(find_window '^VEXA.*Message to support$')
[ -n "$window" ] || fail "no window appeared"
key_into "$window" 100 34 Return
expect_exit 0

grep -v -x -E '[+-](TST|FST)' "$VEXA_TEST_LOAD_MARK" && fail "a foreign library ran"
grep -q -x '+TST' "$VEXA_TEST_LOAD_MARK" || fail "the language module was not loaded"
[ "$(grep TST "$VEXA_TEST_LOAD_MARK" | tail -1)" = "-TST" ] ||
    fail "the language module was not unloaded at the end"
grep -q 'sprachen/absturz.lng not loaded' "$stderr_file" || fail "the faulting module not named"
echo "ok"
