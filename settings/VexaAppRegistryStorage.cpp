#include "settings/VexaAppRegistryStorage.h"

void TVexaAppRegistryStorage::SelectSubSection(const AnsiString& name) {
    AnsiString path = FBasePath;
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    SetRoot(path + name);
}
