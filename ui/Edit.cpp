#include "ui/Edit.h"

#include "ui/Form.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    if (readOnly != FReadOnly) {
        FReadOnly = readOnly;
        Changed(TPeerChange::Content);
    }
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 121, 21);
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
}

void TMemo::SetLines(std::vector<AnsiString> lines) {
    if (ParentForm()) {
        HandleNeeded();
    }
    FLines = std::move(lines);
    Changed(TPeerChange::Content);
}

AnsiString TMemo::Text() const {
    AnsiString text;
    for (const AnsiString& line : FLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TMemo::SetText(std::string_view text) {
    SetLines(SplitLines(text));
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
    if (scrollBars != FScrollBars) {
        FScrollBars = scrollBars;
        Changed(TPeerChange::Content);
    }
}

void TMemo::SetWordWrap(bool wordWrap) {
    if (wordWrap != FWordWrap) {
        FWordWrap = wordWrap;
        Changed(TPeerChange::Content);
    }
}

bool TMemo::WantsKey(TKeyCode key, TShiftState shift) const {
    if (key == kKeyReturn) {
        return FWantReturns && (shift & (ssCtrl | ssAlt)) == 0;
    }
    if (key == kKeyTab) {
        return FWantTabs && (shift & (ssCtrl | ssAlt)) == 0;
    }
    return false;
}

std::vector<AnsiString> SplitLines(std::string_view text) {
    std::vector<AnsiString> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}
