#include "ui/Application.h"

#include "runtime/Exception.h"
#include "ui/MessageBox.h"
#include "ui/backend/MessageLoop.h"

void TApplication::Initialize() {
    FInitialized = true;
}

void TApplication::Run() {
    if (!HasMainForm || !HasMainForm()) {
        return;
    }
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

TApplication& Application() {
    static TApplication application;
    return application;
}
