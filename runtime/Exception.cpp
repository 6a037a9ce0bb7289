#include "runtime/Exception.h"

#include "runtime/Format.h"
#include "runtime/Status.h"

void Abort() {
    throw EAbort("Operation aborted");
}

namespace {

const char* DescribeStatus(HResult status) {
    switch (status) {
    case kStatusUnexpected:
        return "Catastrophic failure";
    case kStatusNoInterface:
        return "No such interface supported";
    case kStatusFail:
        return "Unspecified error";
    default:
        return "Operation failed";
    }
}

} // namespace

void CheckStatus(HResult status) {
    if (Failed(status)) {
        throw EOSError(Format("%s (status %.8x)", {DescribeStatus(status), status}), status);
    }
}
