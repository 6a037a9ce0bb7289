#include "ui/headless/HeadlessBackend.h"

#include "ui/Application.h"
#include "ui/backend/MessageLoop.h"

#include <deque>

namespace {

std::deque<std::function<void()>>& Events() {
    static std::deque<std::function<void()>> events;
    return events;
}

} // namespace

std::vector<THeadlessMessageBox>& HeadlessMessageBoxes() {
    static std::vector<THeadlessMessageBox> boxes;
    return boxes;
}

void PostHeadlessEvent(std::function<void()> event) {
    Events().push_back(std::move(event));
}

void ShowPlatformMessageBox(const AnsiString& caption, const AnsiString& text,
                            TMessageBoxIcon icon) {
    HeadlessMessageBoxes().push_back({caption, text, icon});
}

void RunMessageLoop(TApplication& application) {
    // With nothing left to deliver no user can act any more: the loop ends as if the main
    // window had been closed.
    while (!application.Terminated() && !Events().empty()) {
        auto event = std::move(Events().front());
        Events().pop_front();
        application.Dispatch(event);
    }
}
