#pragma once

#include "runtime/Interfaces.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Button.h"

// A push button whose caption and hint are text ids. It never reports a failure: an error while
// it refreshes leaves whatever part of its texts was set before.
class TLangButton : public TImplements<TButton, ILangUpdate> {
public:
    explicit TLangButton(TComponent* owner);

    // 0 keeps the designed caption.
    TTextId LangID() const { return FLangID; }
    void SetLangID(TTextId id);
    // 0 shows no hint.
    TTextId HintID() const { return FHintID; }
    void SetHintID(TTextId id);

    HResult UpdateLanguage() noexcept override;

private:
    TTextId FLangID = 0;
    TTextId FHintID = 0;
};

// Keeps ValueRangeMessage in the current language.
class TLangRessourceUpdater : public TImplements<TInterfacedObject, ILangUpdate> {
public:
    HResult UpdateLanguage() noexcept override;
};

// The message for a number outside its range: two "%.*f", each taking a precision and a value,
// for the lower and the upper bound. English until the first change of language, then the text
// of id 9009 in the current language.
extern AnsiString ValueRangeMessage;

// Start-up of the translated controls: registers one TLangRessourceUpdater as a listener of the
// language administration.
void RegisterLangRessourceUpdater();
