// Feeds arbitrary text to the expansion of a configured settings file name: its environment
// references, then its placeholders, then the folder a relative name is taken from. The input
// up to its first NUL is the value of an environment variable the name may refer to, the rest
// the name. Nothing may fault, the expansion must report the room it needs however small the
// buffer, and a text without "%" must come through unchanged.
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "settings/StoragePlaceholders.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string WithoutNul(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '\0') {
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string value(input.substr(0, split));
    const std::string name =
        split == std::string_view::npos ? std::string() : WithoutNul(input.substr(split + 1));
    WriteEnvironmentVariable("VEXA_FUZZ", value);

    // A buffer that is too small is told the room needed and left as it is.
    std::vector<char> small(name.size() % 17, '\x7F');
    const std::uint32_t needed = ExpandEnvironment(name, small);
    if (needed == 0) {
        __builtin_trap();
    }
    std::vector<char> buffer(needed, '\x7F');
    if (ExpandEnvironment(name, buffer) != needed || buffer[needed - 1] != '\0') {
        __builtin_trap();
    }
    const std::string expanded(buffer.data(), needed - 1);
    if (name.find('%') == std::string::npos && expanded != name) {
        __builtin_trap();
    }

    AnsiString filled;
    const bool replaced = ExpandStoragePlaceholders(expanded, filled);
    if (!replaced && filled != expanded) {
        __builtin_trap();
    }
    // Taken from an absolute folder, every name is absolute.
    const AnsiString full = ExpandStorageFileName(expanded, "/base");
    if (IsRelativePath(full)) {
        __builtin_trap();
    }
    if (expanded.find('%') == std::string::npos &&
        full != (IsRelativePath(expanded) ? "/base/" + expanded : expanded)) {
        __builtin_trap();
    }
    ExtractFileDir(full);
    ExtractFileName(full);
    return 0;
}
