#pragma once

// The contract between the window library and a backend. A backend (headless/, gtk/) defines
// everything declared in these headers but the last; a program links exactly one.
//
//   Peer.h         the platform side of a control: TControlPeer, TPeerChange, CreatePeer
//   Services.h     connecting to the window system, system colours, screen, work area and
//                  the desktop over every monitor, frame insets, the modal loop
//   MessageLoop.h  the application's message loop
//   MessageBox.h   the platform's message box and default beep
//   Clipboard.h    the clipboard's text operations
//   TextMetrics.h  text measured in a font, on one line and wrapped
//   MessageFont.h  the window system's font for message texts
//
//   FormEvents.h   the one way back: what the window system reports about a form (resized,
//                  moved, activated, focus changed, closed, a key pressed), defined by the model

#include "ui/backend/Clipboard.h"
#include "ui/backend/FormEvents.h"
#include "ui/backend/MessageBox.h"
#include "ui/backend/MessageFont.h"
#include "ui/backend/MessageLoop.h"
#include "ui/backend/Peer.h"
#include "ui/backend/Services.h"
#include "ui/backend/TextMetrics.h"
