// Marker comments of HDL files.
#include "hdl/hdl_file_markers.h"

namespace zeph {

const char* marker_tag(int language) {
    return language == 2 ? "ZEPH/Verilog" : "ZEPH/VHDL";
}

const char* meta_start_marker(int language) {
    return language == 2 ? "// ZEPH/Verilog begin" : "-- ZEPH/VHDL begin";
}

const char* meta_end_marker(int language) {
    return language == 2 ? "// ZEPH/Verilog end" : "-- ZEPH/VHDL end";
}

const char* heading_end_marker(int language) {
    return language == 2 ? "// ZEPH/Verilog sens.list" : "-- ZEPH/VHDL sens.list";
}

} // namespace zeph
