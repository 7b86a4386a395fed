// Finding the system's lines again in an HDL file the user has edited: the meta comment, and
// after it the architecture start and end lines (VHDL) or the process heading and end line
// (VHDL process, Verilog always block). The file is read as lines of at most 4095 bytes
// (longer lines are taken in pieces); offsets are byte offsets into the file.
//
// A successful scan splits the user's part into three regions:
//   leading   [user_start, heading_start)   between meta comment and start/heading line
//   middle    [heading_end, end_start)      between heading and end line
//   trailing  [end_end, size)               after the end line
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeph {

struct MetaCommentScan {
    std::string error; // empty: no meta comment, or a complete one
    bool found = false;
    std::size_t start = 0; // start of the line with the begin marker
    std::size_t end = 0;   // end of the line with the end marker
    // Where the user's part starts: after the meta comment, or at 0 without one.
    std::size_t user_start() const { return found ? end : 0; }
};

struct RegionScan {
    std::string error; // empty: all lines found
    std::size_t user_start = 0;
    std::size_t heading_start = 0;
    std::size_t heading_end = 0;
    std::size_t end_start = 0;
    std::size_t end_end = 0;
    std::size_t size = 0;
    std::string name; // the architecture name or the process label found
    bool ok() const { return error.empty(); }
};

MetaCommentScan scan_meta_comment(std::string_view file, int language);
// The start line is searched by the entity name (its fourth word).
RegionScan scan_architecture(std::string_view file, std::string_view entity_name);
RegionScan scan_process(std::string_view file);
RegionScan scan_always(std::string_view file);

} // namespace zeph
