/*
 * A complete example of a VEXA language module: French.
 *
 * It translates the texts of the mail window, the message dialog and a few texts of the data
 * dictionary; every other text falls back to the program's built-in German text. Texts are
 * written here in UTF-8 and handed to the program in Windows-1252, the code page of the module
 * interface.
 */
#include "langmodules/VexaLangModule.h"

#include <stddef.h>
#include <string.h>

struct Text {
    uint32_t Id;
    const char* Utf8;
};

/* Sorted by id. */
static const struct Text kTexts[] = {
    {1000, "Longueur hors tampons"},
    {9009, "La valeur doit être comprise entre %.*f et %.*f"},
    {10030, "OK"},
    {10031, "Annuler"},
    {10032, "Aide"},
    {10154, "Information"},
    {10155, "Confirmation"},
    {10156, "Erreur"},
    {10157, "Question"},
    {10158, "Remarque"},
    {10159, "Attention"},
    {10160, "Oui"},
    {10161, "Non"},
    {10162, "Abandonner"},
    {10164, "Réessayer"},
    {10165, "Ignorer"},
    {10166, "Tout"},
    {10167, "Non à tout"},
    {10168, "Oui à tout"},
    {10251, "Avertissement"},
    {10608, "Copyright"},
    {10770, "VEXA – Message au support"},
    {10771, "Destinataire"},
    {10772, "Envoyer le message avec votre propre logiciel de messagerie"},
    {10773, "Demande au support VEXA"},
    {10774, "Chère équipe du support VEXA,\r\rj'ai une question concernant le programme "
            "suivant :\r\r%s\r\rDate : %s\r\rMeilleures salutations\r\rLe bouton en bas à gauche "
            "ouvre ce message dans votre logiciel de messagerie, où vous pouvez compléter votre "
            "question avant de l'envoyer."},
    {10775, "Chère équipe du support VEXA,\r\n\r\nj'ai une question concernant le programme "
            "suivant :\r\n\r\n%s\r\n\r\nDate : %s\r\n\r\nMa question :\r\n\r\n<Veuillez décrire "
            "votre question ici.>\r\n\r\n\r\nMeilleures salutations\r\n"},
    {11303, "Le courriel n'a pas été envoyé (code d'état %d)."},
    {11305, "Objet"},
    {11306, "Message"},
};

/* Windows-1252 for the characters a French text needs; anything else becomes "?". */
static size_t ToWindows1252(const char* utf8, char* out, size_t capacity) {
    size_t length = 0;
    const unsigned char* p = (const unsigned char*)utf8;
    while (*p && length < capacity) {
        unsigned int cp = *p++;
        if (cp >= 0xC0 && (*p & 0xC0) == 0x80) {
            if (cp < 0xE0) {
                cp = ((cp & 0x1F) << 6) | (*p++ & 0x3F);
            } else if (cp < 0xF0 && (p[1] & 0xC0) == 0x80) {
                cp = ((cp & 0x0F) << 12) | ((p[0] & 0x3F) << 6) | (p[1] & 0x3F);
                p += 2;
            } else {
                cp = '?';
            }
        } else if (cp >= 0x80) {
            cp = '?';
        }
        if (cp == 0x20AC) {
            cp = 0x80;
        } else if (cp == 0x2026) {
            cp = 0x85;
        } else if (cp == 0x2013) {
            cp = 0x96;
        } else if (cp == 0x2019) {
            cp = 0x92;
        } else if (cp > 0xFF) {
            cp = '?';
        }
        out[length++] = (char)cp;
    }
    out[length] = '\0';
    return length;
}

static void WriteShortString(unsigned char* buffer, const char* utf8) {
    buffer[0] = (unsigned char)ToWindows1252(utf8, (char*)buffer + 1, 255);
}

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETLOCALE(unsigned char* Buffer) {
    WriteShortString(Buffer, "FRA");
}

VEXA_LANG_EXPORT void VEXA_LANG_CALL GETDESCRIPTION(unsigned char* Buffer) {
    WriteShortString(Buffer, "Français (France)");
}

VEXA_LANG_EXPORT const char* VEXA_LANG_CALL GETSTRING(uint32_t Id, char* Buffer, int32_t MaxLen) {
    size_t low = 0;
    size_t high = sizeof kTexts / sizeof kTexts[0];
    while (low < high) {
        size_t middle = (low + high) / 2;
        if (kTexts[middle].Id < Id) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low == sizeof kTexts / sizeof kTexts[0] || kTexts[low].Id != Id || MaxLen <= 0) {
        return NULL; /* no text: the program shows its German one */
    }
    ToWindows1252(kTexts[low].Utf8, Buffer, (size_t)MaxLen);
    return Buffer;
}
