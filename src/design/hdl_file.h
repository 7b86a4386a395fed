// The HDL file record of an HDL-file architecture or process.
#pragma once

#include <string>

namespace zeph {

struct HdlFile {
    std::string vhdl_file;    // bare name inside the architecture's directory, up to 256
    std::string verilog_file; // likewise
    int reserved = 0;
    unsigned skeleton_current = 0; // bits kept by the HDL-file code; not saved
};

} // namespace zeph
