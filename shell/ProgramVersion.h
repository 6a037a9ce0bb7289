#pragma once

#include "runtime/Strings.h"

// The program's name and version as the message to the support names them.
AnsiString ProgramVersionText();
