// A library that is loaded by the mail library's name but has no MAPISendMail.
#include "tests/shell/TestProviderExport.h"

TEST_PROVIDER_EXPORT int MAPILogon() {
    return 0;
}
