#include "platform/LocaleCompare.h"

#include <windows.h>

namespace {

// An empty view may carry no address, which CompareStringW refuses.
const wchar_t* Chars(std::u16string_view text) {
    return text.empty() ? L"" : reinterpret_cast<const wchar_t*>(text.data());
}

} // namespace

int LocaleCompareString(TLocaleId locale, std::uint32_t flags, std::u16string_view a,
                        std::u16string_view b) {
    return CompareStringW(locale, flags, Chars(a), static_cast<int>(a.size()), Chars(b),
                          static_cast<int>(b.size()));
}
