/* A language module for tests; compile definitions choose its code and its behaviour. */
#include "langmodules/VexaLangModule.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifndef MODULE_LOCALE
#define MODULE_LOCALE "TST"
#endif
#ifndef MODULE_DESCRIPTION
#define MODULE_DESCRIPTION "Testsprache"
#endif

/* Leaves a mark when the module is loaded for execution and when it is unloaded, so that a test
 * can tell whether any of its code ran and whether it was released. */
static void Mark(const char* what) {
    const char* mark = getenv("VEXA_TEST_LOAD_MARK");
    if (mark) {
        FILE* file = fopen(mark, "a");
        if (file) {
            fprintf(file, "%s%s\n", what, MODULE_LOCALE);
            fclose(file);
        }
    }
}

__attribute__((constructor)) static void MarkLoaded(void) {
    Mark("+");
#ifdef MODULE_ENDS_PROCESS
    /* as a runtime does that finds itself loaded where it cannot work */
    _Exit(1);
#endif
}
__attribute__((destructor)) static void MarkUnloaded(void) {
    Mark("-");
}

#ifdef MODULE_FOREIGN
/* A library that is no language module: it exports other functions. */
VEXA_LANG_EXPORT int VEXA_LANG_CALL FOREIGN_FUNCTION(void) {
    return 1;
}
#else

/* A write through a null pointer that the compiler cannot see as one. */
static volatile int* volatile gNowhere = NULL;
static void Fault(void) {
    *gNowhere = 1;
}

static void WriteShortString(unsigned char* buffer, const char* text) {
    size_t length = strlen(text);
    buffer[0] = (unsigned char)length;
    memcpy(buffer + 1, text, length);
#ifdef MODULE_TRAILING_BYTES
    /* Bytes after the string that a reader must ignore. */
    memset(buffer + 1 + length, 'X', VEXA_LANG_SHORT_STRING_SIZE - 1 - length);
#endif
}

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETLOCALE(unsigned char* Buffer) {
#ifdef MODULE_FAULT_IN_GETLOCALE
    Fault();
#endif
    WriteShortString(Buffer, MODULE_LOCALE);
}

#ifndef MODULE_WITHOUT_DESCRIPTION
VEXA_LANG_EXPORT void VEXA_LANG_CALL GETDESCRIPTION(unsigned char* Buffer) {
#ifdef MODULE_FAULT_IN_GETDESCRIPTION
    Fault();
#endif
    WriteShortString(Buffer, MODULE_DESCRIPTION);
}
#endif

static const char kOwnText[] = "Texte du module";
/* A text of the module's own, longer than the interface allows. */
static char kLongText[2 * VEXA_LANG_TEXT_MAX_LEN + 1];

VEXA_LANG_EXPORT const char* VEXA_LANG_CALL GETSTRING(uint32_t Id, char* Buffer, int32_t MaxLen) {
#ifdef MODULE_WITHOUT_TEXTS
    /* every text is left to the program's German one */
    (void)Id;
    (void)Buffer;
    (void)MaxLen;
    return NULL;
#endif
#ifdef MODULE_FAULT_IN_GETSTRING
    if (Id == 10773) { /* the subject of the mail window */
        Fault();
    }
#endif
#ifdef MODULE_WILD_TEXT
    if (Id == 10773) {
        return (const char*)64; /* no text there */
    }
#endif
    if (Id == 20000) { /* an id no built-in table has: no program asks for it */
        Fault();
    }
    switch (Id) {
    case 10030: /* written into the buffer */
        snprintf(Buffer, (size_t)MaxLen + 1, "%s", "D'accord");
        return Buffer;
    case 10031: /* a text of the module's own */
        return kOwnText;
    case 10032: /* empty: the German text is used */
        Buffer[0] = '\0';
        return Buffer;
    case 10156: /* no text at all */
        return NULL;
    case 9009: /* the whole buffer, without a terminating zero */
        memset(Buffer, 'w', (size_t)MaxLen + 1);
        return Buffer;
    case 9010: /* longer than the interface allows */
        memset(kLongText, 'o', sizeof kLongText - 1);
        return kLongText;
    case 16000: /* an id the German table lacks */
        return "seize mille";
#ifdef MODULE_DICTIONARY_TEXTS
    /* texts of data dictionary items; the rest falls back to German */
    case 1000:
        return "Length over buffers";
    case 3001:
        return "metre";
    case 3512:
        return "1.5 kV DC";
#endif
    default:
        return NULL;
    }
}
#endif
