#pragma once

// The platform's message box and beep, as the backend provides them.
#include "ui/backend/MessageBox.h"
