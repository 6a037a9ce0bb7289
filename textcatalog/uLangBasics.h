#pragma once

#include "runtime/Interfaces.h"
#include "textcatalog/uDefStrings.h"
#include "ui/Form.h"

#include <cstdint>

struct TFont;

// A text catalog: the texts of one language by id. Operations return a status and never raise;
// string results are cleared before the work starts.
class IBabelFish : public virtual IInterface {
public:
    static constexpr TGUID IID{
        0x5B0E6A41, 0x2C7D, 0x4F1A, {0x9E, 0x31, 0x6D, 0x0B, 0x47, 0xA2, 0x88, 0x15}};
    virtual HResult GetString(TTextId id, WideString& text) noexcept = 0;
    virtual HResult GetCharset(std::uint8_t& charset) noexcept = 0;
    virtual HResult GetFontName(WideString& name) noexcept = 0;
    virtual HResult GetDescription(WideString& description) noexcept = 0;
    virtual HResult GetLocale(WideString& locale) noexcept = 0;

protected:
    ~IBabelFish() = default;
};

// Objects that re-apply their translated texts after a change of language.
class ILangUpdate : public virtual IInterface {
public:
    static constexpr TGUID IID{
        0xD3A1F0C2, 0x81B4, 0x4E67, {0xA5, 0x2F, 0x10, 0xC9, 0x3E, 0x77, 0x4B, 0xD0}};
    virtual HResult UpdateLanguage() noexcept = 0;

protected:
    ~ILangUpdate() = default;
};

// Abstract base of every catalog. The interface operations guard the virtual operations below,
// which derived catalogs override and which may raise.
class TBabelFish : public TImplements<TInterfacedObject, IBabelFish> {
public:
    TBabelFish() = default;

    virtual WideString GetString(TTextId id);
    virtual std::uint8_t GetCharset();
    virtual WideString GetFontName();
    virtual WideString GetDescription();
    virtual WideString GetLocale();

    HResult GetString(TTextId id, WideString& text) noexcept final;
    HResult GetCharset(std::uint8_t& charset) noexcept final;
    HResult GetFontName(WideString& name) noexcept final;
    HResult GetDescription(WideString& description) noexcept final;
    HResult GetLocale(WideString& locale) noexcept final;
};

// The built-in German catalog; all instances read the one default text array.
class TDefaultBabelFish : public TBabelFish {
public:
    using TBabelFish::GetDescription;
    using TBabelFish::GetLocale;
    using TBabelFish::GetString;
    WideString GetString(TTextId id) override;
    WideString GetDescription() override;
    WideString GetLocale() override;
};

class TBabelFishAdmin;

// The administrator created at start-up; null before CreateBabelFishAdmin and after
// FreeBabelFishAdmin.
TBabelFishAdmin* BabelFishAdmin() noexcept;
void CreateBabelFishAdmin();
// Releases the administrator; anything raised while releasing it is swallowed.
void FreeBabelFishAdmin() noexcept;

// The program-wide text lookup in the current language.
WideString GetLangString(TTextId id);
// Gives Font the character set and face that the current catalog needs.
void AdaptLangFont(TFont* font);

// Base of the system's windows: the caption by text id, and every text of the window and the
// components it owns re-applied at each change of language. Its life is that of any window: its
// owner frees it; the interface's reference counting does nothing.
class TVexaForm : public TImplements<TForm, ILangUpdate> {
public:
    // Builds the window from its design, then refreshes it once; a failing refresh fails the
    // construction.
    explicit TVexaForm(const TFormCreation& creation);
    ~TVexaForm() override;

    HResult UpdateLanguage() noexcept override;

    // Applied at once when the window exists and Id is not 0, else at the next refresh. 0 keeps
    // the designed caption.
    void SetCaptionID(TTextId id);
    TTextId CaptionID() const { return FCaptionID; }

    // Called at the end of every refresh with the current language code.
    virtual void LanguageChanged(const WideString& langCode);
    // Nested locks keep the window in its language; unlocking does not refresh.
    virtual void LockLangUpdate();
    virtual void UnlockLangUpdate();

    bool LangUpdateLocked() const;
    bool IsDestroying() const;
    // Refreshes the components owned by Root, each before those it owns, by ownership rather than
    // by the nesting of controls; a failure is raised at once.
    void UpdateOwnedComponents(TComponent& root);

protected:
    void Constructed() override;

private:
    bool FDestroying = false;
    std::int32_t FLockCount = 0;
    TTextId FCaptionID = 0;
};
