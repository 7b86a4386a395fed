// The marker comments that separate the system's lines from the user's in an HDL file. Each
// is found anywhere within a line.
#pragma once

namespace zeph {

// "ZEPH/VHDL" or "ZEPH/Verilog".
const char* marker_tag(int language);
// "-- ZEPH/VHDL begin" / "// ZEPH/Verilog begin".
const char* meta_start_marker(int language);
// "-- ZEPH/VHDL end" / "// ZEPH/Verilog end".
const char* meta_end_marker(int language);
// "-- ZEPH/VHDL sens.list" / "// ZEPH/Verilog sens.list": the end of a process heading.
const char* heading_end_marker(int language);

} // namespace zeph
