#pragma once

#include "runtime/Strings.h"

// The window system's clipboard, for text in the ANSI code page. Each backend implements the
// members and Clipboard().
class TClipboard {
public:
    // False when another program holds the clipboard open.
    bool Open();
    void Close();
    // Empties the clipboard and takes its ownership; only while open.
    void Clear();
    void SetAsText(const AnsiString& text);
    AnsiString AsText();
};

TClipboard& Clipboard();
