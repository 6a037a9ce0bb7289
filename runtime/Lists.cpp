#include "runtime/Lists.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"
#include "runtime/Format.h"

void ListIndexError(int index) {
    throw EListError(Format(Utf8ToAnsi("Listenindex überschreitet das Maximum (%d)"), {index}));
}
