#pragma once

#include "settings/AppIniStorage.h"
#include "settings/StorageSection.h"

// The product's INI back-end: the file name is used as it is given, and a section is an INI
// section of that file.
class TVexaAppIniFileStorage : public TImplements<TAppIniFileStorage, IStorageSection> {
public:
    TVexaAppIniFileStorage() { SetLocation(flCustom); }

    void SelectSubSection(const AnsiString& name) override { SetDefaultSection(name); }
    void SelectSection(const AnsiString& path) override { SetDefaultSection(path); }
    AnsiString GetSection() override { return DefaultSection(); }
};
