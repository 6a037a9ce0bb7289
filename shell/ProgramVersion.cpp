#include "shell/ProgramVersion.h"

#include "support/MiscTool.h"

AnsiString ProgramVersionText() {
    return GetVersionText(kVersionTextProduct);
}
