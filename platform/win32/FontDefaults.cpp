#include "platform/FontDefaults.h"

#include <windows.h>

WideString DefaultFontFaceName() {
    // The dialog font that the system substitutes; the classic face when it names none.
    LOGFONTW font{};
    const HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    if (stock && GetObjectW(stock, sizeof font, &font) == sizeof font && font.lfFaceName[0]) {
        return WideString(reinterpret_cast<const char16_t*>(font.lfFaceName));
    }
    return u"MS Sans Serif";
}
