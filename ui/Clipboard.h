#pragma once

// The window system's clipboard, as the backend provides it.
#include "ui/backend/Clipboard.h"
