#include "platform/FontDefaults.h"

// The desktop's generic sans-serif family, which fontconfig resolves to the installed face.
WideString DefaultFontFaceName() {
    return u"Sans";
}
