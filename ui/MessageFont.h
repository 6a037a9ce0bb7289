#pragma once

// The window system's message font, as the backend provides it.
#include "ui/backend/MessageFont.h"
