#include "datadict/InformationList.h"
#include "platform/ProgramPath.h"
#include "textcatalog/BabelFishAdmin.h"
#include "tools/ItemExport.h"
#include "tools/TextExport.h"

#include <cstring>
#include <exception>
#include <iostream>

namespace {

int Usage() {
    std::cerr << "usage: vexa-texts export [--po] | items [CODE]\n"
                 "  export       the built-in tables as tab-separated text (id, de, en)\n"
                 "  export --po  a gettext PO template of the German texts\n"
                 "  items        the data dictionary's items, texts in German\n"
                 "  items CODE   the same with the texts of the language module for CODE,\n"
                 "               found in the tool's folder or below it\n";
    return 2;
}

int Export(int argc, char** argv) {
    if (argc > 3 || (argc == 3 && std::strcmp(argv[2], "--po") != 0)) {
        return Usage();
    }
    const auto blocks = BuiltinTextBlocks();
    if (argc == 3) {
        ExportPoTemplate(blocks, std::cout);
    } else {
        ExportTextTable(blocks, std::cout);
    }
    return 0;
}

AnsiString FolderOf(const AnsiString& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == AnsiString::npos ? AnsiString() : path.substr(0, separator + 1);
}

int Items(int argc, char** argv) {
    if (argc > 3) {
        return Usage();
    }
    FillDefStrings();
    CreateInformationList();
    int status = 0;
    if (argc == 3) {
        // The scan adds an entry for every language module it finds.
        ScanLanguageModules(FolderOf(ProgramFileName()));
    }
    const TInformationList& list = *InformationList();
    const TInformationListEntry* entry =
        argc == 3 ? list.FindEntry(argv[2]) : &list.ReferenceEntry();
    if (entry) {
        const int index = list.Entries().IndexOfObject(entry);
        ExportItems(*entry->Information, list.Entries().Strings(index), std::cout);
    } else {
        std::cerr << "vexa-texts: no language module provides the code \"" << argv[2] << "\"\n";
        status = 1;
    }
    FreeBabelFishAdmin();
    FreeInformationList();
    ClearDefStrings();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    int status = 0;
    try {
        if (std::strcmp(argv[1], "export") == 0) {
            status = Export(argc, argv);
        } else if (std::strcmp(argv[1], "items") == 0) {
            status = Items(argc, argv);
        } else {
            return Usage();
        }
    } catch (const std::exception& failure) {
        std::cerr << "vexa-texts: " << failure.what() << '\n';
        return 1;
    }
    std::cout.flush();
    return std::cout ? status : 1;
}
