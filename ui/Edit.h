#pragma once

#include "ui/Control.h"

#include <vector>

// An edit field; its text is the control's caption.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);

private:
    bool FReadOnly = false;
};

// A single-line edit field.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Edit; }

    const AnsiString& Text() const { return Caption(); }
    void SetText(AnsiString text) { SetCaption(std::move(text)); }
};

// A multi-line edit field. Its text is held as lines; text given as a whole is split at every
// CR, LF or CR LF.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    TControlKind Kind() const override { return TControlKind::Memo; }

    const std::vector<AnsiString>& Lines() const { return FLines; }
    // The platform keeps a multi-line edit's text in its window: setting the lines of a memo
    // that lies on a form creates the form's window.
    void SetLines(std::vector<AnsiString> lines);
    // The lines joined with CR LF.
    AnsiString Text() const;
    void SetText(std::string_view text);

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    // Enter starts a new line rather than reaching the form's default button.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool want) { FWantReturns = want; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool want) { FWantTabs = want; }

    bool WantsKey(TKeyCode key, TShiftState shift) const override;

private:
    std::vector<AnsiString> FLines;
    TScrollStyle FScrollBars = TScrollStyle::None;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
};

// The lines of a text, split at every CR, LF or CR LF. A text that ends in a line break has no
// empty line after it.
std::vector<AnsiString> SplitLines(std::string_view text);
