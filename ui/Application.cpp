#include "ui/Application.h"

#include "platform/StartupInfo.h"
#include "runtime/Exception.h"
#include "ui/MessageBox.h"
#include "ui/backend/MessageLoop.h"
#include "ui/backend/Services.h"

void TApplication::Initialize() {
    InitializeBackend();
    FInitialized = true;
}

bool TApplication::HelpContext(int context) {
    return OnHelp && OnHelp(context);
}

TWindowHandle TApplication::Handle() const {
    return FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : 0;
}

void TApplication::Run() {
    if (!FMainForm) {
        return;
    }
    switch (StartupShowCommand()) {
    case kShowMaximized:
        FMainForm->SetWindowState(TWindowState::Maximized);
        break;
    case kShowMinNoActive:
        FMainForm->SetWindowState(TWindowState::Minimized);
        break;
    default:
        break;
    }
    FMainForm->Show();
    RunMessageLoop(*this);
}

AnsiString FailureText(const AnsiString& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

void TApplication::ShowException(const std::exception& failure) {
    if (dynamic_cast<const EAbort*>(&failure)) {
        return;
    }
    ShowPlatformMessageBox(Title, FailureText(failure.what()), TMessageBoxIcon::Error);
}

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowException(failure);
    }
}

void TApplication::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::Remove && &component == FMainForm) {
        FMainForm = nullptr;
    }
}

TApplication& Application() {
    static TApplication application;
    return application;
}
