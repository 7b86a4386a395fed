// Whole-file text input and output for the design-related files.
#pragma once

#include <cstdio>
#include <string>

namespace zeph {

bool load_text_file(const std::string& path, std::string& text);
// 0, or the system message number of the failure: 4 (cannot open) or 7 (write error).
int save_text_file(const std::string& path, const std::string& text);
int write_text(std::FILE* file, const std::string& text);

} // namespace zeph
