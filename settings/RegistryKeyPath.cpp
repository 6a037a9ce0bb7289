#include "settings/RegistryKeyPath.h"

AnsiString NormalizeKeyPath(std::string_view path) {
    AnsiString normalized;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view segment = path.substr(start, end - start);
        if (!segment.empty() && segment != ".") {
            if (!normalized.empty()) {
                normalized += '\\';
            }
            normalized.append(segment);
        }
        start = end + 1;
    }
    return normalized;
}
