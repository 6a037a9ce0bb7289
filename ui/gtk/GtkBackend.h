#pragma once

#include "runtime/Strings.h"
#include "ui/Colors.h"
#include "ui/Font.h"

#include <functional>
#include <gtk/gtk.h>
#include <string>

// What the GTK backend's parts share.

// Opens the display once; raises when there is none.
void EnsureGtk();

// GTK takes UTF-8; the model holds the ANSI code page.
std::string ToUtf8(std::string_view ansi);
AnsiString FromUtf8(const char* utf8);

// Runs a handler the way the message loop does; nothing raised leaves it, so nothing unwinds
// through GTK.
void RunGuarded(const std::function<void()>& handler) noexcept;

GdkRGBA ToGdkColor(TColor color);
std::string CssColor(TColor color);
// A font description the caller frees with pango_font_description_free.
PangoFontDescription* NewFontDescription(const TFont& font);
// The font as CSS declarations.
std::string CssFont(const TFont& font);
