// Reading an HDL file and copying regions of it into an output: the bytes between two offsets,
// in pieces of at most 256, with carriage returns dropped.
#pragma once

#include "ui/platform.h"

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace zeph {

// The whole file; false (nothing shown) when it cannot be read.
bool read_hdl_file(const std::filesystem::path& path, std::string& bytes);

// Copies [from, to) of the file's bytes. A short write shows "File copy error: Read %d bytes,
// wrote %d bytes" and ends the copy with false.
bool copy_region(ui::Platform& platform, std::string_view file, std::ostream& out, std::size_t from,
                 std::size_t to);

// Shows a problem with an HDL file (scan and copy errors) in a message box.
void show_hdl_file_problem(ui::Platform& platform, const std::string& text);

} // namespace zeph
