#pragma once

#include "platform/StartupInfo.h"
#include "ui/Types.h"

#include <cstdint>

class TForm;

// The Windows placement record of a window: its show command and its position and size in the
// normal state. The record is 44 bytes long; Length must say so.
struct TWindowPlacement {
    std::uint32_t Length = 0;
    std::uint32_t Flags = 0;
    std::uint32_t ShowCmd = 0;
    TPoint MinPosition;
    TPoint MaxPosition;
    TRect NormalPosition;
};

inline constexpr std::uint32_t kWindowPlacementLength = 44;

// The form's placement: its state as show command and its bounds in the normal state.
TWindowPlacement GetWindowPlacement(const TForm& form);
// Puts the form at the record's normal position and into the state of its show command
// (numbered as in platform/StartupInfo.h), showing or hiding it as the command says. False, with
// nothing changed, for a record whose length is wrong.
bool SetWindowPlacement(TForm& form, const TWindowPlacement& placement);
