// Writes the benchmark's VHDL file, so that other programs (GHDL, zeph itself) can be timed
// on exactly the same text: make_import_file PATH [ENTITIES].
#include "generated_vhdl.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_import_file PATH [ENTITIES]\n";
        return 2;
    }
    int entities = argc > 2 ? std::atoi(argv[2]) : 770;
    std::ofstream out(argv[1], std::ios::binary);
    out << zeph::bench::generated_vhdl(entities);
    return out ? 0 : 1;
}
