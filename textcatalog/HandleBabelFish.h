#pragma once

#include "langmodules/VexaLangModule.h"
#include "platform/DynamicLibrary.h"
#include "textcatalog/uLangBasics.h"

// A catalog backed by a language module. The catalog owns the module: it stays loaded as long as
// a reference to the catalog exists.
class THandleBabelFish : public TBabelFish {
public:
    // A catalog without module: it answers as the built-in German catalog.
    THandleBabelFish() = default;
    // The catalog for the module in FileName; raises "Invalid VEXA language module!" for a file
    // that is no language module.
    explicit THandleBabelFish(const WideString& fileName);

    // The catalog for FileName, or null for a file that is no language module. A file is loaded
    // for execution only when its export table names the three entry points, and then only once
    // they have been tried where a fault cannot end the program: a module that faults then is
    // refused, and a line on the standard error names it.
    static IntfPtr<THandleBabelFish> TryLoad(const AnsiString& fileName);

    bool HasModule() const { return FModule.Loaded(); }

    using TBabelFish::GetDescription;
    using TBabelFish::GetLocale;
    using TBabelFish::GetString;
    WideString GetString(TTextId id) override;
    WideString GetDescription() override;
    WideString GetLocale() override;

private:
    bool BindEntryPoints();
    // Runs a call into the module; a fault in the module's code is raised as a failure.
    template <class Call>
    void CallModule(Call&& call) const;
    WideString ReadShortString(void(VEXA_LANG_CALL* fill)(unsigned char*)) const;

    AnsiString FFileName;
    TDynamicLibrary FModule;
    TVexaGetLocale FGetLocale = nullptr;
    TVexaGetDescription FGetDescription = nullptr;
    TVexaGetString FGetString = nullptr;
};
