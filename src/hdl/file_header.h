// The header at the top of every generated file: the design's header file for the language
// (when it opens) followed by the standard header, or the standard header with its personal
// lines (time stamp, designer, company, design info).
#pragma once

#include <ostream>

namespace zeph {

struct HdlContext;

inline constexpr const char* kProgramVersionText = "ZEPH/HDL Version 3.0";
inline constexpr int kProgramRevision = 6;

void write_file_header(std::ostream& out, const HdlContext& context);

} // namespace zeph
