#pragma once

#include "ui/Bitmap.h"

// The send button's picture: a flying letter with a red stamp and motion lines, 32 by 32 pixels
// in 24-bit colour on black, which the button draws transparent.
TBitmap MailPicture();
