#pragma once

#include "runtime/Strings.h"

#include <string_view>

// Replaces the content of the file Path with Content, so that the file is always either the old
// one or the complete new one: the content goes into a temporary file in the same folder, which
// is flushed to the disk and then renamed over Path (Windows: MoveFileExA with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). A missing file is created; a file that is
// read-only for the user (QueryFileInfo) is never replaced. False when any step fails; then Path
// is as it was and the temporary file is gone.
bool ReplaceFileContent(const AnsiString& path, std::string_view content);
