#include "textcatalog/uLangDialogs.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/Format.h"
#include "textcatalog/LangDialogLayout.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Clipboard.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/MessageFont.h"
#include "ui/Screen.h"

#include <algorithm>
#include <memory>

namespace {

constexpr TLangDlgTypeInfo kTypes[] = {
    {10251, TStockIcon::Warning, 65535},     // TD_WARNING_ICON
    {10156, TStockIcon::Error, 65534},       // TD_ERROR_ICON
    {10154, TStockIcon::Information, 65533}, // TD_INFORMATION_ICON
    {10155, TStockIcon::Question, 65533},    {0, TStockIcon::None, 0},
};

constexpr TLangDlgButtonInfo kButtons[kLangDlgButtonCount] = {
    {10160, mrYes, 6},     {10161, mrNo, 7},        {10030, mrOk, 1},     {10031, mrCancel, 2},
    {10162, mrAbort, 3},   {10164, mrRetry, 4},     {10165, mrIgnore, 5}, {10166, mrAll, 8},
    {10167, mrNoToAll, 9}, {10168, mrYesToAll, 10}, {10032, mrNone, -1},
};

std::unique_ptr<std::array<AnsiString, kLangDlgButtonCount>>& ButtonNames() {
    static std::unique_ptr<std::array<AnsiString, kLangDlgButtonCount>> names;
    return names;
}

constexpr const char* kDivider = "---------------------------\r\n";

AnsiString LangText(TTextId id) {
    return WideToAnsi(GetLangString(id));
}

// The cancel button of a set: Cancel, else No, else OK; none when all three are absent.
int CancelButton(TLangDlgButtons buttons) {
    for (const TLangDlgButton kind : {lbCancel, lbNo, lbOK}) {
        if (Contains(buttons, kind)) {
            return kind;
        }
    }
    return -1;
}

} // namespace

const TLangDlgTypeInfo& LangDlgTypeInfo(TLangDlgType type) {
    return kTypes[std::min<int>(type, dtCustom)];
}

const TLangDlgButtonInfo& LangDlgButtonInfo(TLangDlgButton kind) {
    return kButtons[std::min<int>(kind, lbHelp)];
}

AnsiString LangDlgButtonCaption(TLangDlgButton kind) {
    return LangText(LangDlgButtonInfo(kind).CaptionId);
}

const AnsiString& LangDlgButtonName(TLangDlgButton kind) {
    auto& names = ButtonNames();
    if (!names) {
        names = std::make_unique<std::array<AnsiString, kLangDlgButtonCount>>(
            std::array<AnsiString, kLangDlgButtonCount>{"Yes", "No", "OK", "Cancel", "Abort",
                                                        "Retry", "Ignore", "All", "NoToAll",
                                                        "YesToAll", "Help"});
    }
    return (*names)[std::min<int>(kind, lbHelp)];
}

void ReleaseLangDlgButtonNames() {
    ButtonNames().reset();
}

std::array<std::int32_t, kLangDlgButtonCount>& ButtonWidthCache() {
    static std::array<std::int32_t, kLangDlgButtonCount> cache{};
    return cache;
}

TLangDlgButton DefaultLangDlgButton(TLangDlgButtons buttons) {
    if (Contains(buttons, lbOK)) {
        return lbOK;
    }
    return Contains(buttons, lbYes) ? lbYes : lbRetry;
}

TMessageForm::TMessageForm(const TFormCreation& creation) : TForm(creation) {
    TFont font = Font();
    if (PlatformMessageFont(font)) {
        SetFont(font);
    }
}

void TMessageForm::HandleDialogKey(TComponent&, TKeyCode& key, TShiftState shift) {
    if (key == 'C' && shift == ssCtrl) {
        DefaultBeep();
        CopyTextToClipboard(BuildDialogText());
    }
}

AnsiString TMessageForm::BuildDialogText() const {
    AnsiString buttonLine;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (const auto* button = dynamic_cast<const TButton*>(Components(i))) {
            buttonLine += button->Caption() + "   ";
        }
    }
    std::erase(buttonLine, '&');
    return Format("%s%s%s%s%s%s%s%s%s%s",
                  {kDivider, Caption(), "\r\n", kDivider, Message ? Message->Caption() : "", "\r\n",
                   kDivider, buttonLine, "\r\n", kDivider});
}

void TMessageForm::CopyTextToClipboard(const AnsiString& text) {
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open()) {
        throw Exception(Utf8ToAnsi("Zwischenablage kann nicht geöffnet werden"));
    }
    try {
        clipboard.Clear();
        clipboard.SetAsText(text);
    } catch (...) {
        clipboard.Close();
        throw;
    }
    clipboard.Close();
}

void TMessageForm::ShowDialogHelp(TComponent&) {
    Application().HelpContext(HelpContext());
}

TMessageForm* CreateLangMessageForm(const AnsiString& text, TLangDlgType type,
                                    TLangDlgButtons buttons) {
    return CreateLangMessageForm(text, type, buttons, DefaultLangDlgButton(buttons));
}

TMessageForm* CreateLangMessageForm(const AnsiString& text, TLangDlgType type,
                                    TLangDlgButtons buttons, TLangDlgButton defaultButton) {
    auto* form = CreateForm<TMessageForm>(&Application());
    try {
        form->SetBiDiMode(Application().BiDiMode);
        form->SetBorderStyle(TFormBorderStyle::Dialog);
        form->SetKeyPreview(true);
        form->SetPosition(TPosition::Designed);
        form->OnKeyDown = [form](TComponent& sender, TKeyCode& key, TShiftState shift) {
            form->HandleDialogKey(sender, key, shift);
        };

        const TLangMessageLayout layout =
            MeasureLangMessage(form->Font(), text, type, buttons, Screen().Width() / 2);
        form->SetClientSize(layout.Client.Width, layout.Client.Height);
        form->SetBounds(Screen().Width() / 2 - form->Width() / 2,
                        Screen().Height() / 2 - form->Height() / 2, form->Width(), form->Height());

        const TLangDlgTypeInfo& info = LangDlgTypeInfo(type);
        form->SetCaption(type == dtCustom ? Application().Title : LangText(info.TitleId));

        if (info.Icon != TStockIcon::None) {
            auto* image = new TImage(form);
            image->SetName("Image");
            image->SetParent(form);
            image->SetStockIcon(info.Icon);
            image->SetBounds(layout.Icon.Left, layout.Icon.Top, layout.Icon.Width(),
                             layout.Icon.Height());
        }

        auto* message = new TLabel(form);
        form->Message = message;
        message->SetName("Message");
        message->SetParent(form);
        message->SetWordWrap(true);
        message->SetCaption(text);
        message->SetBiDiMode(form->BiDiMode());
        int left = layout.Message.Left;
        if (message->UseRightToLeftAlignment()) {
            left = layout.Client.Width - left - layout.Message.Width();
        }
        message->SetBounds(left, layout.Message.Top, layout.Message.Width(),
                           layout.Message.Height());

        const int cancel = CancelButton(buttons);
        int x = layout.FirstButton.X;
        for (int kind = 0; kind < kLangDlgButtonCount; ++kind) {
            const auto buttonKind = static_cast<TLangDlgButton>(kind);
            if (!Contains(buttons, buttonKind)) {
                continue;
            }
            auto* button = new TButton(form);
            button->SetName(LangDlgButtonName(buttonKind));
            button->SetParent(form);
            button->SetCaption(LangDlgButtonCaption(buttonKind));
            button->SetModalResult(kButtons[kind].Result);
            if (buttonKind == defaultButton) {
                button->SetDefault(true);
                form->SetActiveControl(button);
            }
            if (kind == cancel) {
                button->SetCancel(true);
            }
            if (buttonKind == lbHelp) {
                button->OnClick = [form](TComponent& sender) {
                    form->ShowDialogHelp(sender);
                };
            }
            button->SetBounds(x, layout.FirstButton.Y, layout.Button.Width, layout.Button.Height);
            x += layout.Button.Width + layout.ButtonSpacing;
        }
        return form;
    } catch (...) {
        delete form;
        throw;
    }
}

TModalResult RunLangMessageForm(TMessageForm* form, std::int32_t helpContext, int x, int y,
                                const AnsiString& helpFileName) {
    const std::unique_ptr<TMessageForm> owned(form);
    form->SetHelpContext(helpContext);
    form->SetHelpFile(helpFileName);
    if (x >= 0) {
        form->SetLeft(x);
    }
    if (y >= 0) {
        form->SetTop(y);
    }
    if (x < 0 && y < 0) {
        form->SetPosition(TPosition::ScreenCenter);
    }
    return form->ShowModal();
}

TModalResult ShowLangMessageAt(const AnsiString& text, TLangDlgType type, TLangDlgButtons buttons,
                               std::int32_t helpContext, int x, int y,
                               const AnsiString& helpFileName) {
    // The one place that chooses the presentation: the window systems built here offer no task
    // dialog, so the built dialog is shown.
    return RunLangMessageForm(CreateLangMessageForm(text, type, buttons), helpContext, x, y,
                              helpFileName);
}

TModalResult ShowLangMessage(const AnsiString& text, TLangDlgType type, TLangDlgButtons buttons,
                             std::int32_t helpContext) {
    return ShowLangMessageAt(text, type, buttons, helpContext, -1, -1, "");
}
