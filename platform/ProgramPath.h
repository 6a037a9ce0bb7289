#pragma once

#include "runtime/Strings.h"

// The full path of this process's program file, in the ANSI code page (Windows: the module file
// name of the process; Linux: the file that /proc/self/exe names).
AnsiString ProgramFileName();
