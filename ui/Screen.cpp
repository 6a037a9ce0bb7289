#include "ui/Screen.h"

#include "ui/backend/Services.h"

#include <algorithm>

int TScreen::IndexOf(const TForm& form) const {
    const auto found = std::find(FForms.begin(), FForms.end(), &form);
    return found == FForms.end() ? -1 : static_cast<int>(found - FForms.begin());
}

int TScreen::Width() const {
    return PlatformScreenSize().Width;
}

int TScreen::Height() const {
    return PlatformScreenSize().Height;
}

TRect TScreen::WorkAreaRect() const {
    return PlatformWorkArea();
}

TRect TScreen::DesktopRect() const {
    return PlatformDesktopRect();
}

void TScreen::AddForm(TForm& form) {
    FForms.push_back(&form);
}

void TScreen::RemoveForm(TForm& form) {
    std::erase(FForms, &form);
    if (FActiveForm == &form) {
        FActiveForm = nullptr;
    }
}

void TScreen::SetActiveForm(TForm* form) {
    FActiveForm = form;
}

TScreen& Screen() {
    // Never destroyed: forms that the application object frees at the very end still leave it.
    static TScreen* const screen = new TScreen;
    return *screen;
}
