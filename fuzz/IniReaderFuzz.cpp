// Feeds arbitrary bytes to the INI reader: whatever a settings file holds, reading it must not
// fault, and the normalised form it writes back must read back to itself.
#include "settings/IniContent.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIniContent content = TIniContent::Parse(text);
    const std::string normalised = content.Serialize();
    if (TIniContent::Parse(normalised).Serialize() != normalised) {
        __builtin_trap();
    }
    // Every name that was read is found again, in the last section of its name.
    const auto& sections = content.Sections();
    const std::size_t lookups = std::min<std::size_t>(sections.size(), 64);
    for (std::size_t i = sections.size() - lookups; i < sections.size(); ++i) {
        for (const TIniContent::TEntry& entry : sections[i].Entries) {
            if (!content.ReadString(sections[i].Name, entry.Name)) {
                if (i + 1 == sections.size()) {
                    __builtin_trap();
                }
            }
            content.ReadInteger(sections[i].Name, entry.Name, 0);
        }
    }
    ParseIniInteger(text);
    return 0;
}
