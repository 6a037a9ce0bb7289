#include "settings/AppIniStorage.h"

#include "platform/Directory.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/FileLock.h"
#include "platform/FileReplace.h"
#include "platform/ProgramPath.h"
#include "platform/ShellFolders.h"
#include "settings/StoragePlaceholders.h"
#include "support/MiscTool.h"

namespace {

// Long enough for every other program to finish its own write-back; a program that hangs while
// holding the lock costs this much at exit, and then the write-back is dropped.
constexpr std::chrono::seconds kLockTimeout{10};

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
        return FBaseFolder;
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
    FFullFileName =
        FFileName.empty() ? AnsiString() : ExpandStorageFileName(FFileName, LocationFolder());
    Reload();
}

void TAppIniFileStorage::Reload() {
    FContent.Clear();
    FEncoding = TIniEncoding::Ansi;
    FChanges.Clear();
    FReadOnly = false;
    FUnreadable = false;
    if (FFullFileName.empty()) {
        return;
    }
    const TFileInfo info = QueryFileInfo(FFullFileName);
    FReadOnly = info.Exists && info.ReadOnly;
    std::string bytes;
    switch (ReadWholeFile(FFullFileName, bytes)) {
    case TReadStatus::Read: {
        const TIniText text = DecodeIniText(bytes);
        FEncoding = text.Encoding;
        FContent = TIniContent::Parse(text.Text);
        break;
    }
    case TReadStatus::Missing:
        break;
    case TReadStatus::Failed:
        // Whatever the file holds must survive this run.
        FUnreadable = true;
        FReadOnly = true;
        break;
    }
}

std::optional<AnsiString> TAppIniFileStorage::ReadString(std::string_view section,
                                                         std::string_view name) const {
    const std::optional<AnsiString> value =
        FContent.ReadString(AnsiToIniText(FEncoding, section), AnsiToIniText(FEncoding, name));
    if (!value) {
        return std::nullopt;
    }
    return IniTextToAnsi(FEncoding, *value);
}

void TAppIniFileStorage::WriteString(std::string_view section, std::string_view name,
                                     std::string_view value) {
    // The content checks what the file can carry before the change counts.
    FContent.WriteString(AnsiToIniText(FEncoding, section), AnsiToIniText(FEncoding, name),
                         AnsiToIniText(FEncoding, value));
    FChanges.WriteString(section, name, value);
}

void TAppIniFileStorage::DeleteKey(std::string_view section, std::string_view name) {
    FContent.DeleteKey(AnsiToIniText(FEncoding, section), AnsiToIniText(FEncoding, name));
    FChanges.DeleteKey(section, name);
}

void TAppIniFileStorage::EraseSection(std::string_view section) {
    FContent.EraseSection(AnsiToIniText(FEncoding, section));
    FChanges.EraseSection(section);
}

bool TAppIniFileStorage::Flush() {
    if (FFullFileName.empty() || FReadOnly) {
        return false;
    }
    if (WriteBack()) {
        return true;
    }
    if (OnWriteError) {
        OnWriteError(FFullFileName);
    }
    return false;
}

bool TAppIniFileStorage::WriteBack() {
    ForceDirectories(ExtractFileDir(FFullFileName));
    const TFileLock lock(FFullFileName, kLockTimeout);
    if (!lock.Locked()) {
        return false;
    }
    // A file that another program removed meanwhile is written anew, in the encoding it had.
    TIniText current{FEncoding, {}};
    std::string bytes;
    switch (ReadWholeFile(FFullFileName, bytes)) {
    case TReadStatus::Read:
        current = DecodeIniText(bytes);
        break;
    case TReadStatus::Missing:
        break;
    case TReadStatus::Failed:
        // What the file holds now must survive.
        return false;
    }
    TIniContent merged = TIniContent::Parse(current.Text);
    FChanges.ApplyTo(merged, current.Encoding);
    if (!ReplaceFileContent(FFullFileName, EncodeIniText(current.Encoding, merged.Serialize()))) {
        return false;
    }
    FContent = std::move(merged);
    FEncoding = current.Encoding;
    FChanges.Clear();
    return true;
}
