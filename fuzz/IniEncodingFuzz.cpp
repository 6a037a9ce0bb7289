// Feeds arbitrary bytes to the encoding detection of settings files: whatever a file holds,
// reading it must not fault, writing its text back in the encoding it was read in must give
// the same bytes (a UTF-16 file that ends in half a character excepted), and the normalised
// form must keep its encoding and read back to itself.
#include "runtime/Exception.h"
#include "settings/IniChanges.h"
#include "settings/IniContent.h"
#include "settings/IniEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TIniText decoded = DecodeIniText(bytes);
    const bool utf16 =
        decoded.Encoding == TIniEncoding::Utf16LE || decoded.Encoding == TIniEncoding::Utf16BE;
    if (!(utf16 && size % 2 != 0) && EncodeIniText(decoded.Encoding, decoded.Text) != bytes) {
        __builtin_trap();
    }

    TIniContent content = TIniContent::Parse(decoded.Text);
    const std::string normalised = EncodeIniText(decoded.Encoding, content.Serialize());
    const TIniText reread = DecodeIniText(normalised);
    if (reread.Encoding != decoded.Encoding) {
        __builtin_trap();
    }
    if (TIniContent::Parse(reread.Text).Serialize() != content.Serialize()) {
        __builtin_trap();
    }

    // The first value read is changed as the program would change it: through its own code page.
    if (!content.Empty() && !content.Sections().front().Entries.empty()) {
        const TIniContent::TSection& section = content.Sections().front();
        const AnsiString sectionName = IniTextToAnsi(decoded.Encoding, section.Name);
        const AnsiString keyName = IniTextToAnsi(decoded.Encoding, section.Entries.front().Name);
        TIniChanges changes;
        try {
            changes.WriteString(sectionName, keyName,
                                IniTextToAnsi(decoded.Encoding, section.Entries.front().Value));
            changes.ApplyTo(content, decoded.Encoding);
        } catch (const EConvertError&) {
            // A name the file could not carry once converted.
        }
        changes.Clear();
        changes.EraseSection(sectionName);
        changes.ApplyTo(content, decoded.Encoding);
        if (content.ReadString(AnsiToIniText(decoded.Encoding, sectionName),
                               AnsiToIniText(decoded.Encoding, keyName))) {
            __builtin_trap();
        }
    }
    return 0;
}
