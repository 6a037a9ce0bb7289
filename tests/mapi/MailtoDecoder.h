#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a mailto: URI back, as a mail client does: the addresses before "?" and each field
// after it, percent-decoded. Nothing when the text is no mailto: URI or holds an octet that
// must have been percent-encoded, or a broken escape.
struct TMailtoFields {
    std::vector<std::string> To;
    std::multimap<std::string, std::string> Fields;

    std::vector<std::string> All(const std::string& name) const {
        std::vector<std::string> values;
        for (auto [it, end] = Fields.equal_range(name); it != end; ++it) {
            values.push_back(it->second);
        }
        return values;
    }
};

inline std::optional<std::string> PercentDecode(std::string_view text) {
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '%') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            const int high = hex(text[i + 1]);
            const int low = hex(text[i + 2]);
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (c <= 0x20 || c >= 0x7F) {
            return std::nullopt;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// Splits at Separator; an empty text has no parts.
inline std::vector<std::string_view> SplitMailto(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            break;
        }
        text.remove_prefix(at + 1);
    }
    return parts;
}

inline std::optional<TMailtoFields> DecodeMailto(std::string_view uri) {
    constexpr std::string_view kScheme = "mailto:";
    if (uri.substr(0, kScheme.size()) != kScheme) {
        return std::nullopt;
    }
    uri.remove_prefix(kScheme.size());
    const auto query = uri.find('?');
    TMailtoFields result;
    for (std::string_view address : SplitMailto(uri.substr(0, query), ',')) {
        auto decoded = PercentDecode(address);
        if (!decoded) {
            return std::nullopt;
        }
        result.To.push_back(std::move(*decoded));
    }
    if (query == std::string_view::npos) {
        return result;
    }
    for (std::string_view field : SplitMailto(uri.substr(query + 1), '&')) {
        const auto equals = field.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        auto name = PercentDecode(field.substr(0, equals));
        auto value = PercentDecode(field.substr(equals + 1));
        if (!name || !value) {
            return std::nullopt;
        }
        result.Fields.emplace(std::move(*name), std::move(*value));
    }
    return result;
}
