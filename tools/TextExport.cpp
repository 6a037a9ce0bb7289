#include "tools/TextExport.h"

#include <string>
#include <string_view>

namespace {

// The C escapes of line breaks, tab and backslash that both formats share; a PO string also
// escapes its quote.
void AppendEscaped(std::string& out, std::string_view text, bool escapeQuote) {
    for (const char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += escapeQuote ? "\\\"" : "\"";
            break;
        default:
            out.push_back(c);
        }
    }
}

std::string PoQuoted(std::string_view text) {
    std::string out = "\"";
    AppendEscaped(out, text, true);
    return out + "\"";
}

} // namespace

std::string EscapeTableField(const char* text) {
    if (!text) {
        return "\\N";
    }
    std::string out;
    AppendEscaped(out, text, false);
    return out;
}

void ExportTextTable(std::span<const std::span<const BuiltinTextRow>> blocks, std::ostream& out) {
    out << "id\tde\ten\n";
    for (const auto block : blocks) {
        for (const BuiltinTextRow& row : block) {
            out << row.Id << '\t' << EscapeTableField(row.German) << '\t'
                << EscapeTableField(row.English) << '\n';
        }
    }
}

void ExportPoTemplate(std::span<const std::span<const BuiltinTextRow>> blocks, std::ostream& out) {
    out << "# Texts of the VEXA product family, German source texts by text id.\n"
           "msgid \"\"\n"
           "msgstr \"\"\n"
           "\"Project-Id-Version: VEXA texts\\n\"\n"
           "\"MIME-Version: 1.0\\n\"\n"
           "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
           "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (const auto block : blocks) {
        for (const BuiltinTextRow& row : block) {
            if (!row.German || !*row.German) {
                continue;
            }
            out << '\n';
            if (row.English) {
                out << "# English: " << PoQuoted(row.English) << '\n';
            }
            out << "msgctxt \"" << row.Id << "\"\n"
                << "msgid " << PoQuoted(row.German) << '\n'
                << "msgstr \"\"\n";
        }
    }
}
