#pragma once

#include "runtime/Strings.h"

enum class TMessageBoxIcon { None, Error, Warning, Information, Question };

// Implemented by each backend.

// A modal message box of the platform with one OK button.
void ShowPlatformMessageBox(const AnsiString& caption, const AnsiString& text,
                            TMessageBoxIcon icon);

// The platform's default sound for a message.
void DefaultBeep();
