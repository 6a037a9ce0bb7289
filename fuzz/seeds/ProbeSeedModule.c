/* A language module that needs nothing of a C library, built for every kind of library file
 * the probe reads, as seeds of its fuzz target. */
#include "langmodules/VexaLangModule.h"

static void WriteCode(unsigned char* buffer) {
    buffer[0] = 3;
    buffer[1] = 'S';
    buffer[2] = 'E';
    buffer[3] = 'D';
}

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETLOCALE(unsigned char* Buffer) {
    WriteCode(Buffer);
}

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETDESCRIPTION(unsigned char* Buffer) {
    WriteCode(Buffer);
}

VEXA_LANG_EXPORT const char* VEXA_LANG_CALL GETSTRING(uint32_t Id, char* Buffer, int32_t MaxLen) {
    (void)Buffer;
    (void)MaxLen;
    return Id == 10030 ? "OK" : 0;
}

#ifdef _WIN32
/* Built without a C runtime: the library's own entry point. */
int __stdcall DllMainCRTStartup(void* instance, unsigned long reason, void* reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return 1;
}
#endif
