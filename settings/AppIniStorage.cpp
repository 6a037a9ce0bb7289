#include "settings/AppIniStorage.h"

#include "platform/Directory.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/FileReplace.h"
#include "platform/ProgramPath.h"
#include "platform/ShellFolders.h"
#include "settings/StoragePlaceholders.h"
#include "support/MiscTool.h"

namespace {

bool HasExtension(std::string_view fileName) {
    return ExtractFileName(fileName).find('.') != AnsiString::npos;
}

AnsiString TemporaryFolder() {
    for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
        if (std::optional<AnsiString> folder = ReadEnvironmentVariable(name)) {
            return *folder;
        }
    }
    return PathDelimiter() == '/' ? "/tmp" : "";
}

} // namespace

TAppIniFileStorage::~TAppIniFileStorage() {
    if (FFlushOnDestroy) {
        try {
            Flush();
        } catch (...) {
            // A release goes on whatever the write-back meets.
        }
    }
}

AnsiString TAppIniFileStorage::LocationFolder() const {
    AnsiString folder;
    switch (FLocation) {
    case flCustom:
        return {};
    case flWindows:
        folder = ReadEnvironmentVariable("WINDIR").value_or("");
        break;
    case flTemp:
        folder = TemporaryFolder();
        break;
    case flExeFile:
        folder = ExtractFileDir(ProgramFileName());
        break;
    case flUserFolder:
        GetSpecialFolderPath(kCsidlAppData, folder);
        break;
    }
    if (!folder.empty() && folder.back() != PathDelimiter() && folder.back() != '/') {
        folder += PathDelimiter();
    }
    return folder;
}

void TAppIniFileStorage::SetFileName(std::string_view fileName) {
    AnsiString name(fileName);
    if (!name.empty() && !HasExtension(name)) {
        name += ".ini";
    }
    if (name == FFileName) {
        return;
    }
    FFileName = std::move(name);
    FFullFileName.clear();
    if (!FFileName.empty()) {
        ExpandStoragePlaceholders(LocationFolder() + FFileName, FFullFileName);
    }
    Reload();
}

void TAppIniFileStorage::Reload() {
    FContent.Clear();
    FReadOnly = false;
    FUnreadable = false;
    if (FFullFileName.empty()) {
        return;
    }
    const TFileInfo info = QueryFileInfo(FFullFileName);
    FReadOnly = info.Exists && info.ReadOnly;
    std::string text;
    switch (ReadWholeFile(FFullFileName, text)) {
    case TReadStatus::Read:
        FContent = TIniContent::Parse(text);
        break;
    case TReadStatus::Missing:
        break;
    case TReadStatus::Failed:
        // Whatever the file holds must survive this run.
        FUnreadable = true;
        FReadOnly = true;
        break;
    }
}

bool TAppIniFileStorage::Flush() {
    if (FFullFileName.empty() || FReadOnly) {
        return false;
    }
    ForceDirectories(ExtractFileDir(FFullFileName));
    if (ReplaceFileContent(FFullFileName, FContent.Serialize())) {
        return true;
    }
    if (OnWriteError) {
        OnWriteError(FFullFileName);
    }
    return false;
}
