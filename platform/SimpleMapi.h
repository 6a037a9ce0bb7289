#pragma once

#include <cstdint>

// The records and the entry point of Simple MAPI, the messaging interface through which the
// program hands a message to the user's mail client. The layout is that of Windows on every
// target: ULONG and FLAGS are 32-bit unsigned, LHANDLE and ULONG_PTR pointer-sized.

#if defined(_WIN32) && !defined(_WIN64)
#define VEXA_MAPI_CALL __stdcall
#else
#define VEXA_MAPI_CALL
#endif

using MapiUlong = std::uint32_t;
using MapiFlags = std::uint32_t;
using MapiLHandle = std::uintptr_t;
using MapiUlongPtr = std::uintptr_t;

struct MapiRecipDesc {
    MapiUlong ulReserved;
    MapiUlong ulRecipClass;
    char* lpszName;
    char* lpszAddress;
    MapiUlong ulEIDSize;
    void* lpEntryID;
};

struct MapiFileDesc {
    MapiUlong ulReserved;
    MapiFlags flFlags;
    MapiUlong nPosition;
    char* lpszPathName;
    char* lpszFileName;
    void* lpFileType;
};

struct MapiMessage {
    MapiUlong ulReserved;
    char* lpszSubject;
    char* lpszNoteText;
    char* lpszMessageType;
    char* lpszDateReceived;
    char* lpszConversationID;
    MapiFlags flFlags;
    MapiRecipDesc* lpOriginator;
    MapiUlong nRecipCount;
    MapiRecipDesc* lpRecips;
    MapiUlong nFileCount;
    MapiFileDesc* lpFiles;
};

using TMapiSendMail = MapiUlong(VEXA_MAPI_CALL*)(MapiLHandle lhSession, MapiUlongPtr ulUIParam,
                                                 MapiMessage* lpMessage, MapiFlags flFlags,
                                                 MapiUlong ulReserved);

inline constexpr MapiUlong MAPI_ORIG = 0;
inline constexpr MapiUlong MAPI_TO = 1;
inline constexpr MapiUlong MAPI_CC = 2;
inline constexpr MapiUlong MAPI_BCC = 3;

inline constexpr MapiFlags MAPI_LOGON_UI = 0x1;
inline constexpr MapiFlags MAPI_DIALOG = 0x8;

inline constexpr MapiUlong SUCCESS_SUCCESS = 0;
inline constexpr MapiUlong MAPI_USER_ABORT = 1;
inline constexpr MapiUlong MAPI_E_FAILURE = 2;
inline constexpr MapiUlong MAPI_E_INSUFFICIENT_MEMORY = 5;
inline constexpr MapiUlong MAPI_E_ATTACHMENT_NOT_FOUND = 11;
inline constexpr MapiUlong MAPI_E_ATTACHMENT_OPEN_FAILURE = 12;
inline constexpr MapiUlong MAPI_E_INVALID_RECIPS = 25;

// The mail library, loaded by name through the system's search order: "MAPI32.DLL" on Windows,
// "libmapi32.so" on Linux.
const char* MailLibraryName();
