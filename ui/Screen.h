#pragma once

#include "ui/Types.h"

#include <vector>

class TForm;

// The screen: the forms that exist, in the order of their creation, which of them is active,
// and the size of the screen.
class TScreen {
public:
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(index); }
    int IndexOf(const TForm& form) const;
    // The form whose window is active, or null.
    TForm* ActiveForm() const { return FActiveForm; }

    int Width() const;
    int Height() const;
    // The part of the screen that windows may use.
    TRect WorkAreaRect() const;
    // The whole desktop over every monitor.
    TRect DesktopRect() const;
    int DesktopLeft() const { return DesktopRect().Left; }
    int DesktopTop() const { return DesktopRect().Top; }
    int DesktopWidth() const { return DesktopRect().Width(); }
    int DesktopHeight() const { return DesktopRect().Height(); }

private:
    friend class TForm;
    void AddForm(TForm& form);
    void RemoveForm(TForm& form);
    void SetActiveForm(TForm* form);

    std::vector<TForm*> FForms;
    TForm* FActiveForm = nullptr;
};

TScreen& Screen();
