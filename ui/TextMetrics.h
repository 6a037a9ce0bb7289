#pragma once

// Text measured by the window system, as the backend provides it.
#include "ui/backend/TextMetrics.h"
