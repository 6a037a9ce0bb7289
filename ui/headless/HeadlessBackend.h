#pragma once

#include "ui/MessageBox.h"

#include <functional>
#include <vector>

// The headless backend runs no window system. Tests use it to see what would have been shown and
// to feed the loop the events a user would cause.
struct THeadlessMessageBox {
    AnsiString Caption;
    AnsiString Text;
    TMessageBoxIcon Icon;
};

std::vector<THeadlessMessageBox>& HeadlessMessageBoxes();

// Events the headless loop dispatches in order, as the window system would deliver them.
void PostHeadlessEvent(std::function<void()> event);
