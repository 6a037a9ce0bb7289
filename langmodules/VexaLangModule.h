/*
 * The interface of a VEXA language module.
 *
 * A language module is a shared library (Windows: a DLL with any extension other than .exe,
 * .xml, .dll, .dcu, .chm and .ini, for example ".lng") placed in the program's folder or in a
 * folder below it. It exports three functions with C linkage under exactly these names. Texts
 * cross the interface as narrow strings in the ANSI code page (Windows-1252 on Linux).
 *
 * On 32-bit Windows the functions use the stdcall convention and must be exported without
 * decoration (MinGW: link with -Wl,--kill-at; MSVC: a .def file).
 *
 * A module need not be complete: for every text it leaves empty the program shows its built-in
 * German text.
 *
 * The program loads a module only when its export table names all three functions, and tries
 * every function before it uses the module: GETLOCALE, GETDESCRIPTION, and GETSTRING for every id
 * from 1000 to 17000. On Linux the trial runs in a child process, so the module's initialisation
 * runs there too. A module that faults in the trial is not used. A text returned from memory of
 * the module's own is read no further than VEXA_LANG_TEXT_MAX_LEN characters.
 */
#ifndef VEXA_LANG_MODULE_H
#define VEXA_LANG_MODULE_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define VEXA_LANG_CALL __stdcall
#else
#define VEXA_LANG_CALL
#endif

#if defined(_WIN32)
#define VEXA_LANG_EXPORT __declspec(dllexport)
#else
#define VEXA_LANG_EXPORT __attribute__((visibility("default")))
#endif

/* Size of the area for a length-prefixed string: one length byte (0 to 255), then that many
 * characters. Nothing after them is read. */
#define VEXA_LANG_SHORT_STRING_SIZE 256
/* Size of the text buffer handed to GETSTRING, and the most characters it may hold before the
 * terminating zero. */
#define VEXA_LANG_TEXT_BUFFER_SIZE 1025
#define VEXA_LANG_TEXT_MAX_LEN 1024

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the module's three-letter language code ("FRA") into Buffer as a length-prefixed
 * string. */
typedef void(VEXA_LANG_CALL* TVexaGetLocale)(unsigned char* Buffer);

/* Writes the language's display name ("Français (France)") into Buffer, length-prefixed. */
typedef void(VEXA_LANG_CALL* TVexaGetDescription)(unsigned char* Buffer);

/* Returns the zero-terminated text of Id: either written into Buffer (at most MaxLen characters
 * and the terminating zero) and Buffer returned, or the address of a text of the module's own
 * that stays valid until the call returns. A null address or an empty text means "no text". */
typedef const char*(VEXA_LANG_CALL* TVexaGetString)(uint32_t Id, char* Buffer, int32_t MaxLen);

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETLOCALE(unsigned char* Buffer);
VEXA_LANG_EXPORT void VEXA_LANG_CALL GETDESCRIPTION(unsigned char* Buffer);
VEXA_LANG_EXPORT const char* VEXA_LANG_CALL GETSTRING(uint32_t Id, char* Buffer, int32_t MaxLen);

#ifdef __cplusplus
}
#endif

#endif
