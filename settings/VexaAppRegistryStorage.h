#pragma once

#include "settings/AppRegistryStorage.h"
#include "settings/StorageSection.h"

// The product's registry back-end: sections are key paths below the product's base path.
class TVexaAppRegistryStorage : public TImplements<TAppRegistryStorage, IStorageSection> {
public:
    explicit TVexaAppRegistryStorage(AnsiString basePath) : FBasePath(std::move(basePath)) {}

    const AnsiString& BasePath() const { return FBasePath; }

    // Root becomes the base path, a "\" unless it ends with one, and Name.
    void SelectSubSection(const AnsiString& name) override;
    void SelectSection(const AnsiString& path) override { SetRoot(path); }
    AnsiString GetSection() override { return Root(); }

private:
    AnsiString FBasePath;
};
