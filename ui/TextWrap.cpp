#include "ui/TextWrap.h"

#include "ui/Edit.h"

std::vector<AnsiString> WrapText(std::string_view text, int maxWidth,
                                 const std::function<int(std::string_view)>& width) {
    std::vector<AnsiString> paragraphs = SplitLines(text);
    if (paragraphs.empty()) {
        paragraphs.emplace_back();
    }
    std::vector<AnsiString> lines;
    for (const AnsiString& paragraph : paragraphs) {
        AnsiString line;
        std::size_t start = 0;
        while (start <= paragraph.size()) {
            std::size_t end = paragraph.find(' ', start);
            if (end == AnsiString::npos) {
                end = paragraph.size();
            }
            const std::string_view word(paragraph.data() + start, end - start);
            const AnsiString candidate =
                line.empty() ? AnsiString(word) : line + " " + AnsiString(word);
            if (!line.empty() && width(candidate) > maxWidth) {
                lines.push_back(line);
                line = AnsiString(word);
            } else {
                line = candidate;
            }
            start = end + 1;
        }
        lines.push_back(line);
    }
    return lines;
}
