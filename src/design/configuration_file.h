// The configuration file (work/config.cfg): the saved configurations and the current one.
#pragma once

#include "design/design.h"

#include <string>
#include <string_view>

namespace zeph {

std::string configuration_file_text(const Design& design);
int write_configuration_file(const std::string& path, const Design& design);

// Replaces the design's configurations when the whole file reads; on failure they stay as
// they were. Returns as the design file reader does.
int read_configuration_text(std::string_view text, Design& design);
int read_configuration_file(const std::string& path, Design& design);

} // namespace zeph
