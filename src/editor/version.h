// The editor's name and version as it shows them.
#pragma once

namespace zped {
inline constexpr const char* kVersionText = "0.1.0";
}
