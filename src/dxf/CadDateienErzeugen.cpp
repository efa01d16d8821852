// Writes the prepared connector drawings into a "CAD files" folder; run by the build so
// that the folder lies beside the programs.

#include "dxf/DornZeichnungen.h"
#include "shell/Dateischreiber.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: vsk-cad-files FOLDER...\n";
        return 2;
    }
    try {
        for (int i = 1; i < argc; ++i) {
            vsk::SchreibeDornZeichnungen(std::filesystem::path(argv[i]) / vsk::CadOrdnerName);
        }
    } catch (const vsk::DateiFehler& f) {
        std::cerr << "vsk-cad-files: " << f.what() << "\n";
        return 1;
    }
    return 0;
}
