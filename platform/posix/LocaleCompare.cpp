#include "platform/LocaleCompare.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <utility>
#include <vector>

namespace {

struct CollatorCloser {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorCloser>;

// The collation locale the C library would choose for the user, read afresh for every
// comparison; the C and POSIX locales collate by the root order, which, unlike ICU's
// en_US_POSIX, still knows upper and lower case as one letter.
std::string_view UserLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            std::string_view name(value);
            name = name.substr(0, name.find_first_of(".@"));
            return name == "C" || name == "POSIX" ? std::string_view() : name;
        }
    }
    return {};
}

// The ICU name of a locale number.
std::optional<std::string> LocaleNameOf(TLocaleId locale) {
    std::array<char, ULOC_FULLNAME_CAPACITY> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t length = uloc_getLocaleForLCID(
        locale, buffer.data(), static_cast<std::int32_t>(buffer.size()), &status);
    if (U_FAILURE(status) || length <= 0) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

CollatorPtr OpenCollator(const std::string& locale, bool ignoreCase) {
    UErrorCode status = U_ZERO_ERROR;
    CollatorPtr collator(ucol_open(locale.c_str(), &status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    // Secondary strength tells letters and accents apart but not case; punctuation always
    // weighs like any other character.
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, ignoreCase ? UCOL_SECONDARY : UCOL_TERTIARY,
                      &status);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    return U_FAILURE(status) ? nullptr : std::move(collator);
}

struct TOpenCollator {
    std::string Locale;
    bool IgnoreCase;
    CollatorPtr Collator;
};

// One collator per locale and case setting, opened on first use. A process uses one or two, so
// a short list serves, searched from the one used last.
UCollator* Collator(std::string_view locale, bool ignoreCase) {
    thread_local std::vector<TOpenCollator> collators;
    thread_local std::size_t last = 0;
    const auto matches = [&](const TOpenCollator& open) {
        return open.IgnoreCase == ignoreCase && open.Locale == locale;
    };
    if (last < collators.size() && matches(collators[last])) {
        return collators[last].Collator.get();
    }
    auto found = std::find_if(collators.begin(), collators.end(), matches);
    if (found == collators.end()) {
        std::string name(locale);
        CollatorPtr collator = OpenCollator(name, ignoreCase);
        if (!collator) {
            return nullptr;
        }
        collators.push_back({std::move(name), ignoreCase, std::move(collator)});
        found = collators.end() - 1;
    }
    last = static_cast<std::size_t>(found - collators.begin());
    return found->Collator.get();
}

UCollationResult Collate(UCollator* collator, std::u16string_view a, std::u16string_view b) {
    return ucol_strcoll(collator, a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                        static_cast<std::int32_t>(b.size()));
}

constexpr std::u16string_view kWordSortMarks = u"-'";

std::size_t CountWordSortMarks(std::u16string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char16_t c) {
        return kWordSortMarks.find(c) != std::u16string_view::npos;
    }));
}

std::u16string WithoutWordSortMarks(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        if (kWordSortMarks.find(c) == std::u16string_view::npos) {
            result.push_back(c);
        }
    }
    return result;
}

} // namespace

int LocaleCompareString(TLocaleId locale, std::uint32_t flags, std::u16string_view a,
                        std::u16string_view b) {
    if ((flags & ~(kNormIgnoreCase | kSortStringSort)) != 0) {
        return 0;
    }
    const bool ignoreCase = (flags & kNormIgnoreCase) != 0;
    UCollator* collator = nullptr;
    if (locale == kLocaleUserDefault || locale == kLocaleSystemDefault || locale == 0) {
        collator = Collator(UserLocaleName(), ignoreCase);
    } else if (const auto name = LocaleNameOf(locale)) {
        collator = Collator(*name, ignoreCase);
    }
    if (!collator) {
        return 0;
    }
    UCollationResult result = UCOL_EQUAL;
    // Word sort: hyphen and apostrophe count only between strings that are otherwise equal, and
    // then the string with fewer of them sorts first.
    if ((flags & kSortStringSort) == 0) {
        const std::size_t marksA = CountWordSortMarks(a);
        const std::size_t marksB = CountWordSortMarks(b);
        if (marksA != 0 || marksB != 0) {
            result = Collate(collator, WithoutWordSortMarks(a), WithoutWordSortMarks(b));
            if (result == UCOL_EQUAL && marksA != marksB) {
                result = marksA < marksB ? UCOL_LESS : UCOL_GREATER;
            }
        }
    }
    if (result == UCOL_EQUAL) {
        result = Collate(collator, a, b);
    }
    return static_cast<int>(result) + 2;
}
