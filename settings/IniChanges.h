#pragma once

#include "runtime/Strings.h"
#include "settings/IniContent.h"
#include "settings/IniEncoding.h"

#include <optional>
#include <string_view>
#include <vector>

// What one run changed in a settings file: values set or deleted and sections erased, in the
// program's narrow strings. Writing back applies only these to the file as it is on disk then,
// so that what other programs wrote meanwhile stays.
//
// Each section is kept once, in the order of its first change (an erased one moves to the end,
// as erasing and filling it again puts it there), and each key once within it with the last
// change made to it; names compare without regard to case.
class TIniChanges {
public:
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view name);
    void EraseSection(std::string_view section);

    bool Empty() const { return FSections.empty(); }
    void Clear() { FSections.clear(); }

    // Applies the changes to Content, whose text is in Encoding: an erased section is removed
    // first, then its keys are set or deleted.
    void ApplyTo(TIniContent& content, TIniEncoding encoding) const;

private:
    struct TKeyChange {
        AnsiString Name;
        std::optional<AnsiString> Value; // nullopt: deleted
    };
    struct TSectionChange {
        AnsiString Name;
        bool Erased = false;
        std::vector<TKeyChange> Keys;
    };

    TSectionChange& Section(std::string_view name);
    void SetKey(std::string_view section, std::string_view name, std::optional<AnsiString> value);

    std::vector<TSectionChange> FSections;
};
