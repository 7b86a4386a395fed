// Limits of the bounded text fields of the design records. Assigning a longer text keeps only
// the first characters (zeph::bounded).
#pragma once

#include <cstddef>

namespace zeph {

inline constexpr std::size_t kMaxHdlName = 32;
inline constexpr std::size_t kMaxDirectoryName = 8;
inline constexpr std::size_t kMaxComment = 50;
inline constexpr std::size_t kMaxValue = 256;
inline constexpr std::size_t kMaxFileName = 256;
inline constexpr std::size_t kMaxLabelName = 16; // state machine labels
inline constexpr std::size_t kMaxStateCode = 80; // user defined state codes
inline constexpr std::size_t kMaxTextLine = 256; // one line of a text block or line string
inline constexpr std::size_t kMaxMacroInformation = 100;
inline constexpr std::size_t kMaxLibraryModuleName = 29;

} // namespace zeph
