#include "tools/TextExport.h"

#include <cstring>
#include <iostream>

namespace {

int Usage() {
    std::cerr << "usage: vexa-texts export [--po]\n"
                 "  export       the built-in tables as tab-separated text (id, de, en)\n"
                 "  export --po  a gettext PO template of the German texts\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "export") != 0 || argc > 3) {
        return Usage();
    }
    const auto blocks = BuiltinTextBlocks();
    if (argc == 3) {
        if (std::strcmp(argv[2], "--po") != 0) {
            return Usage();
        }
        ExportPoTemplate(blocks, std::cout);
    } else {
        ExportTextTable(blocks, std::cout);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
