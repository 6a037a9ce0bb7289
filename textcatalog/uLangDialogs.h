#pragma once

#include "runtime/Strings.h"
#include "textcatalog/uDefStrings.h"
#include "ui/Form.h"
#include "ui/Image.h"

#include <array>
#include <cstdint>
#include <initializer_list>

class TLabel;

// The kind of a message: it chooses the title and the icon.
enum TLangDlgType : std::uint8_t {
    dtWarning = 0,
    dtError = 1,
    dtInformation = 2,
    dtConfirmation = 3,
    dtCustom = 4, // the application's title, no icon
};

enum TLangDlgButton : std::uint8_t {
    lbYes = 0,
    lbNo = 1,
    lbOK = 2,
    lbCancel = 3,
    lbAbort = 4,
    lbRetry = 5,
    lbIgnore = 6,
    lbAll = 7,
    lbNoToAll = 8,
    lbYesToAll = 9,
    lbHelp = 10,
};
inline constexpr int kLangDlgButtonCount = 11;

// A set of buttons: bit n stands for button kind n; bits 11 to 15 are ignored.
using TLangDlgButtons = std::uint16_t;
constexpr TLangDlgButtons LangDlgButtons(std::initializer_list<TLangDlgButton> kinds) {
    unsigned set = 0;
    for (const TLangDlgButton kind : kinds) {
        set |= 1u << kind;
    }
    return static_cast<TLangDlgButtons>(set);
}
constexpr bool Contains(TLangDlgButtons set, TLangDlgButton kind) {
    return (set >> kind) & 1u;
}

// What belongs to each dialog type: its title text (0 for the application's title), its icon
// in the built dialog and in the task dialog.
struct TLangDlgTypeInfo {
    TTextId TitleId;
    TStockIcon Icon;
    std::int32_t TaskIcon;
};
const TLangDlgTypeInfo& LangDlgTypeInfo(TLangDlgType type);

// What belongs to each button kind: its caption text, the result it gives (0: it does not close)
// and its id in the task dialog.
struct TLangDlgButtonInfo {
    TTextId CaptionId;
    TModalResult Result;
    std::int32_t TaskButtonId;
};
const TLangDlgButtonInfo& LangDlgButtonInfo(TLangDlgButton kind);
// The caption of a button kind in the current language.
AnsiString LangDlgButtonCaption(TLangDlgButton kind);
// The name of the button of a kind ("Yes" to "Help"); the table is released at shutdown.
const AnsiString& LangDlgButtonName(TLangDlgButton kind);
void ReleaseLangDlgButtonNames();

// The measured caption width of each button kind plus 8, once a built dialog has shown it; 0 for
// not yet measured. Kept for the life of the process.
std::array<std::int32_t, kLangDlgButtonCount>& ButtonWidthCache();

// The default button of a set: OK, else Yes, else Retry (which may be absent: then none).
TLangDlgButton DefaultLangDlgButton(TLangDlgButtons buttons);

// The built message dialog: an icon, the message and a row of buttons.
class TMessageForm : public TForm {
public:
    explicit TMessageForm(const TFormCreation& creation);

    TLabel* Message = nullptr;

    // Ctrl+C beeps and copies the dialog's text.
    void HandleDialogKey(TComponent& sender, TKeyCode& key, TShiftState shift);
    // Title, message and buttons between dividers, as plain text.
    AnsiString BuildDialogText() const;
    // Raises "Zwischenablage kann nicht geöffnet werden" when the clipboard cannot be opened.
    static void CopyTextToClipboard(const AnsiString& text);
    void ShowDialogHelp(TComponent& sender);
};

// Shows the message modally in the current language and returns the result of the pressed
// button; centred unless X or Y is given (>= 0).
TModalResult ShowLangMessage(const AnsiString& text, TLangDlgType type, TLangDlgButtons buttons,
                             std::int32_t helpContext);
TModalResult ShowLangMessageAt(const AnsiString& text, TLangDlgType type, TLangDlgButtons buttons,
                               std::int32_t helpContext, int x, int y,
                               const AnsiString& helpFileName);

// Builds a dialog, not yet shown; the caller owns it.
TMessageForm* CreateLangMessageForm(const AnsiString& text, TLangDlgType type,
                                    TLangDlgButtons buttons);
TMessageForm* CreateLangMessageForm(const AnsiString& text, TLangDlgType type,
                                    TLangDlgButtons buttons, TLangDlgButton defaultButton);
// Shows a built dialog modally and frees it, whatever happens.
TModalResult RunLangMessageForm(TMessageForm* form, std::int32_t helpContext, int x, int y,
                                const AnsiString& helpFileName);
