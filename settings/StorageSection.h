#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Strings.h"

// The section of a settings back-end that stands for "here": a key path below the registry
// root, or an INI section. The back-ends do not count references: their owner, the
// configuration store, governs their life.
class IStorageSection : public virtual IInterface {
public:
    static constexpr TGUID IID{
        0x39DB540E, 0x5E4B, 0x418A, {0xA3, 0xAD, 0xF3, 0x24, 0x7A, 0xE7, 0x45, 0xDE}};

    // The section named Name below the back-end's base.
    virtual void SelectSubSection(const AnsiString& name) = 0;
    virtual void SelectSection(const AnsiString& path) = 0;
    virtual AnsiString GetSection() = 0;

protected:
    ~IStorageSection() = default;
};
