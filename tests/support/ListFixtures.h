#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Object.h"

#include <map>
#include <string>

// An object that counts how often it is freed, so that a test sees every object freed exactly
// once (the sanitizer build reports a second free on its own).
class TTracked : public TObject {
public:
    TTracked(std::map<std::string, int>& freed, std::string name)
        : FFreed(freed), FName(std::move(name)) {}
    ~TTracked() override { ++FFreed[FName]; }
    const std::string& Name() const { return FName; }

private:
    std::map<std::string, int>& FFreed;
    std::string FName;
};

// A counted interface object whose references the tests read.
class TCountedValue : public TInterfacedObject {};
