// Feeds arbitrary bytes to Format as texts from a language module reach it, narrow and wide,
// with the arguments the program passes: each either formats, within a bounded length, or
// raises the conversion error; nothing else happens.
#include "runtime/Exception.h"
#include "runtime/Format.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses how many of the arguments are given.
    if (size == 0) {
        return 0;
    }
    const std::vector<FormatArg> args = {-12,   "VEXA Mail 1.0",
                                         2.5,   u"wide",
                                         3,     -2147483647 - 1,
                                         1e300, -0.0,
                                         7u,    "",
                                         -5000, std::numeric_limits<double>::quiet_NaN(),
                                         12LL,  static_cast<const void*>(data)};
    const std::span<const FormatArg> given(args.data(), data[0] % (args.size() + 1));
    const std::string_view narrow(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::u16string wide;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        wide.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    const std::size_t limit = (size + 1) * (kMaxFormatWidth + 400);
    try {
        if (FormatSpan(narrow, given).size() > limit) {
            __builtin_trap();
        }
    } catch (const EConvertError&) {
    }
    try {
        if (FormatSpan(std::u16string_view(wide), given).size() > limit) {
            __builtin_trap();
        }
    } catch (const EConvertError&) {
    }
    return 0;
}
