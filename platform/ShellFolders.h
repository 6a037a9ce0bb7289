#pragma once

#include "runtime/Status.h"

#include <cstdint>
#include <span>

// Shell folder numbers (CSIDL).
inline constexpr std::int32_t kCsidlPersonal = 0x0005;
inline constexpr std::int32_t kCsidlAppData = 0x001A;
inline constexpr std::int32_t kCsidlLocalAppData = 0x001C;
inline constexpr std::int32_t kCsidlProfile = 0x0028;
// Added to a folder number: the folder is created when it is missing.
inline constexpr std::int32_t kCsidlFlagCreate = 0x8000;

// The item list of a folder was found but names no file-system path.
inline constexpr HResult kStatusNoFolderPath = static_cast<HResult>(0x80040011u);
// The path does not fit into the caller's buffer.
inline constexpr HResult kStatusBufferTooSmall = static_cast<HResult>(0x8007007Au);

// The path of a special folder, written with its NUL into Buffer (ANSI code page):
// Windows: the shell's item list of the folder (SHGetSpecialFolderLocation, then
// SHGetPathFromIDList, kStatusNoFolderPath when that fails), else SHGetFolderPath with the folder
// created when missing. Linux: CSIDL_APPDATA is $XDG_CONFIG_HOME, else ~/.config;
// CSIDL_LOCAL_APPDATA $XDG_DATA_HOME, else ~/.local/share; CSIDL_PERSONAL and CSIDL_PROFILE the
// home folder; a folder that does not exist yet is created; any other number fails with E_FAIL.
HResult GetShellFolderPath(std::int32_t folderId, std::span<char> buffer);

// SHGetFolderPath alone, for the current path of the folder; FolderId may carry
// kCsidlFlagCreate. Linux: the folders above, created only with kCsidlFlagCreate.
HResult GetShellFolderPathOnly(std::int32_t folderIdAndFlags, std::span<char> buffer);
