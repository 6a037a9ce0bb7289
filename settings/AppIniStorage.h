#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Strings.h"
#include "settings/IniContent.h"

#include <functional>

// Where the settings file lies: flCustom uses the file name as it is; the others put it into the
// folder of Windows (%WINDIR%), the temporary folder, the program's folder or the user's
// application data folder.
enum TFileLocation { flCustom, flWindows, flTemp, flExeFile, flUserFolder };

// Settings in an INI file, held in memory: the file is read when its name is set and written
// back, in the normalised form of TIniContent, when the storage is flushed (at release, unless
// FlushOnDestroy is cleared).
//
// The write-back never damages what is stored: it replaces the file atomically, so that a failed
// or interrupted write leaves the old file as it was; and a file that exists but cannot be read
// is treated as read-only for the whole run, so that its content is not replaced by an empty one.
class TAppIniFileStorage : public TNonRefCountedObject {
public:
    TAppIniFileStorage() = default;
    ~TAppIniFileStorage() override;

    TFileLocation Location() const { return FLocation; }
    void SetLocation(TFileLocation location) { FLocation = location; }

    const AnsiString& FileName() const { return FFileName; }
    // A name without extension gets ".ini"; the full file name is the name in the folder of
    // Location with its placeholders filled; the file is read at once.
    void SetFileName(std::string_view fileName);
    const AnsiString& FullFileName() const { return FFullFileName; }

    const AnsiString& DefaultSection() const { return FDefaultSection; }
    void SetDefaultSection(std::string_view section) { FDefaultSection = AnsiString(section); }

    TIniContent& Content() { return FContent; }
    const TIniContent& Content() const { return FContent; }

    // The file has the read-only attribute, or exists and could not be read: nothing is written.
    bool ReadOnly() const { return FReadOnly; }
    // The file exists but its content could not be read when the name was set.
    bool Unreadable() const { return FUnreadable; }

    bool FlushOnDestroy() const { return FFlushOnDestroy; }
    void SetFlushOnDestroy(bool flush) { FFlushOnDestroy = flush; }

    // Told the full file name when the write-back fails; without a handler the failure is
    // dropped.
    std::function<void(const AnsiString& fileName)> OnWriteError;

    // Writes the content to the file, creating its folder first; nothing for an empty full file
    // name or a read-only file. True when the file was written.
    bool Flush();

private:
    AnsiString LocationFolder() const;
    void Reload();

    TFileLocation FLocation = flExeFile;
    AnsiString FFileName;
    AnsiString FFullFileName;
    AnsiString FDefaultSection;
    TIniContent FContent;
    bool FReadOnly = false;
    bool FUnreadable = false;
    bool FFlushOnDestroy = true;
};
