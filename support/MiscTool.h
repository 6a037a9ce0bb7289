#pragma once

#include "runtime/Status.h"
#include "runtime/StringList.h"
#include "runtime/Strings.h"

#include <cstdint>
#include <memory>

// What GetVersionText puts together; every other kind gives an empty text.
inline constexpr std::uint8_t kVersionTextNone = 0;
inline constexpr std::uint8_t kVersionTextProduct = 1;   // product name with version
inline constexpr std::uint8_t kVersionTextVersion = 2;   // "Version" with version
inline constexpr std::uint8_t kVersionTextCopyright = 3; // "Copyright" and the legal notice

// A text from the version resource of the program file (the German, Windows-1252 string table):
// the head of Kind, then for kinds 1 and 2 the product version, " Build " and the part of the
// file version after its last ".", and the comments in parentheses unless they say
// "vollversion"; for kind 3 the legal notice. An absent value leaves out its piece; a file
// without version resource gives an empty text.
AnsiString GetVersionText(std::uint8_t kind);
AnsiString GetVersionText(std::uint8_t kind, const AnsiString& fileName);

// The product version's numbers before and after its first "."; -1 for a number that is absent
// or not an integer.
void GetProductVersion(std::int32_t& major, std::int32_t& minor);
void GetProductVersion(const AnsiString& fileName, std::int32_t& major, std::int32_t& minor);

// "SOFTWARE\Brenik\VEXA\<major>.<minor>", the key path of the product's settings.
AnsiString GetProductRegistryKey();
AnsiString GetProductRegistryKey(const AnsiString& fileName);

// The program file's path with its extension replaced by ".ini".
AnsiString GetProgramIniFileName();
// FileName with its extension (from the last "." of its last part) replaced by Extension, or
// with Extension appended when it has none. "\", "/" and ":" end a part.
AnsiString ChangeFileExt(std::string_view fileName, std::string_view extension);

// Text with its environment references ("%NAME%") expanded, however long the expansion.
AnsiString ExpandEnvironmentText(std::string_view text);

// The path of a shell folder (e.g. kCsidlAppData); S_OK when Path is not empty, otherwise a
// failure status and an empty Path.
HResult GetSpecialFolderPath(std::int32_t folderId, AnsiString& path);

// Frees the object of every entry, first to last, an object carried by several entries once,
// and then clears the list. Nothing for a null list.
void FreeListObjects(TStringList* list);
// FreeListObjects, then frees the list itself; List is null afterwards.
void FreeListAndObjects(std::unique_ptr<TStringList>& list);
