#include "ui/headless/HeadlessBackend.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/backend/Clipboard.h"
#include "ui/backend/FormEvents.h"
#include "ui/backend/MessageLoop.h"
#include "ui/backend/Services.h"

#include <deque>

namespace {

std::deque<std::function<void()>>& Events() {
    static std::deque<std::function<void()>> events;
    return events;
}

TSize& ScreenSize() {
    static TSize size{1024, 768};
    return size;
}

std::optional<TRect>& DesktopRect() {
    static std::optional<TRect> desktop;
    return desktop;
}

struct TClipboardState {
    AnsiString Text;
    bool Busy = false;
    bool Open = false;
};

TClipboardState& ClipboardState() {
    static TClipboardState state;
    return state;
}

int& Beeps() {
    static int beeps = 0;
    return beeps;
}

bool DispatchNextEvent(TApplication& application) {
    if (Events().empty()) {
        return false;
    }
    auto event = std::move(Events().front());
    Events().pop_front();
    application.Dispatch(event);
    return true;
}

} // namespace

std::vector<THeadlessMessageBox>& HeadlessMessageBoxes() {
    static std::vector<THeadlessMessageBox> boxes;
    return boxes;
}

void PostHeadlessEvent(std::function<void()> event) {
    Events().push_back(std::move(event));
}

void SetHeadlessScreenSize(TSize size) {
    ScreenSize() = size;
}

void SetHeadlessDesktopRect(std::optional<TRect> desktop) {
    DesktopRect() = desktop;
}

void ShowPlatformMessageBox(const AnsiString& caption, const AnsiString& text,
                            TMessageBoxIcon icon) {
    HeadlessMessageBoxes().push_back({caption, text, icon});
}

void DefaultBeep() {
    ++Beeps();
}

int HeadlessBeepCount() {
    return Beeps();
}

void RunMessageLoop(TApplication& application) {
    // With nothing left to deliver no user can act any more: the loop ends as if the main
    // window had been closed.
    while (!application.Terminated() && DispatchNextEvent(application)) {
    }
}

void RunModalLoop(TForm& form) {
    while (form.ModalResult() == mrNone && !Application().Terminated()) {
        if (!DispatchNextEvent(Application())) {
            TFormEvents::CloseCommand(form);
        }
    }
}

void InitializeBackend() {}

TRgb PlatformSystemColor(int index) {
    return ClassicSystemColor(index);
}

TSize PlatformScreenSize() {
    return ScreenSize();
}

TRect PlatformWorkArea() {
    return {0, 0, ScreenSize().Width, ScreenSize().Height};
}

TRect PlatformDesktopRect() {
    return DesktopRect().value_or(TRect{0, 0, ScreenSize().Width, ScreenSize().Height});
}

TRect PlatformFrameInsets(const TForm& form) {
    switch (form.BorderStyle()) {
    case TFormBorderStyle::None:
        return {};
    case TFormBorderStyle::Sizeable:
    case TFormBorderStyle::SizeToolWin:
        return {8, 31, 8, 8};
    default:
        return {3, 26, 3, 3};
    }
}

bool TClipboard::Open() {
    if (ClipboardState().Busy) {
        return false;
    }
    ClipboardState().Open = true;
    return true;
}

void TClipboard::Close() {
    ClipboardState().Open = false;
}

void TClipboard::Clear() {
    if (ClipboardState().Open) {
        ClipboardState().Text.clear();
    }
}

void TClipboard::SetAsText(const AnsiString& text) {
    if (ClipboardState().Open) {
        ClipboardState().Text = text;
    }
}

AnsiString TClipboard::AsText() {
    return ClipboardState().Text;
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

AnsiString HeadlessClipboardText() {
    return ClipboardState().Text;
}

void SetHeadlessClipboardBusy(bool busy) {
    ClipboardState().Busy = busy;
}
