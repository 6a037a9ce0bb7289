#pragma once

#include "runtime/Interfaces.h"
#include "runtime/Strings.h"
#include "settings/IniChanges.h"
#include "settings/IniContent.h"
#include "settings/IniEncoding.h"

#include <functional>
#include <optional>

// Where the settings file lies: flCustom uses the file name as it is; the others put a relative
// name into the folder of Windows (%WINDIR%), the temporary folder, the program's folder or the
// user's application data folder.
enum TFileLocation { flCustom, flWindows, flTemp, flExeFile, flUserFolder };

// Settings in an INI file, held in memory: the file is read when its name is set and written
// back, in the normalised form of TIniContent, when the storage is flushed (at release, unless
// FlushOnDestroy is cleared).
//
// The file is shared with other programs, which may change it while this one runs. The
// write-back therefore takes the file's lock (TFileLock), reads the file as it is then, applies
// only the changes made through this storage (values set or deleted, sections erased) and
// replaces the file atomically, so that a failed or interrupted write leaves the old file as it
// was. The file keeps its encoding (ANSI code page, UTF-8 or UTF-16 with their marks); a new
// file is written in the ANSI code page. A file that is read-only for the user, or that exists
// but cannot be read, is never replaced.
class TAppIniFileStorage : public TNonRefCountedObject {
public:
    TAppIniFileStorage() = default;
    ~TAppIniFileStorage() override;

    TFileLocation Location() const { return FLocation; }
    void SetLocation(TFileLocation location) { FLocation = location; }

    // The folder that a relative flCustom name is taken from; empty: the current folder.
    const AnsiString& BaseFolder() const { return FBaseFolder; }
    void SetBaseFolder(std::string_view folder) { FBaseFolder = AnsiString(folder); }

    const AnsiString& FileName() const { return FFileName; }
    // A name without extension gets ".ini"; the full file name is the name with its
    // placeholders filled, put into the folder of Location when it is relative then; the file is
    // read at once.
    void SetFileName(std::string_view fileName);
    const AnsiString& FullFileName() const { return FFullFileName; }

    const AnsiString& DefaultSection() const { return FDefaultSection; }
    void SetDefaultSection(std::string_view section) { FDefaultSection = AnsiString(section); }

    // The values, in the program's narrow strings. Writing raises EConvertError for a name or
    // value that the file could not carry (see TIniContent::WriteString).
    std::optional<AnsiString> ReadString(std::string_view section, std::string_view name) const;
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view name);
    void EraseSection(std::string_view section);

    // What was read, with this run's changes, in the text of the file's encoding.
    const TIniContent& Content() const { return FContent; }
    TIniEncoding Encoding() const { return FEncoding; }

    // The file is read-only for the user, or exists and could not be read: nothing is written.
    bool ReadOnly() const { return FReadOnly; }
    // The file exists but its content could not be read when the name was set.
    bool Unreadable() const { return FUnreadable; }

    bool FlushOnDestroy() const { return FFlushOnDestroy; }
    void SetFlushOnDestroy(bool flush) { FFlushOnDestroy = flush; }

    // Told the full file name when the write-back fails; without a handler the failure is
    // dropped.
    std::function<void(const AnsiString& fileName)> OnWriteError;

    // Writes this run's changes back into the file, creating its folder first; nothing for an
    // empty full file name or a read-only file. True when the file was written; the content is
    // then the file's, with what others wrote.
    bool Flush();

private:
    AnsiString LocationFolder() const;
    void Reload();
    // Under the file's lock: this run's changes applied to the file as it is now.
    bool WriteBack();

    TFileLocation FLocation = flExeFile;
    AnsiString FBaseFolder;
    AnsiString FFileName;
    AnsiString FFullFileName;
    AnsiString FDefaultSection;
    TIniContent FContent;
    TIniEncoding FEncoding = TIniEncoding::Ansi;
    TIniChanges FChanges;
    bool FReadOnly = false;
    bool FUnreadable = false;
    bool FFlushOnDestroy = true;
};
