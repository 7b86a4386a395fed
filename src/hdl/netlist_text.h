// The small pieces every generated file is made of: comment prefixes, separator lines, texts
// written line by line with an indent or a comment prefix, and the Verilog words.
#pragma once

#include <ostream>
#include <string_view>

namespace zeph {

struct Sheet;

// "-- " (VHDL) or "// " (Verilog), and the bare forms "--" and "//".
const char* comment_prefix(int language);
const char* bare_comment_prefix(int language);

// 75 "-" (VHDL) or "/" (Verilog) and a newline; the leading form writes a newline first.
void write_separator(std::ostream& out, int language, bool leading = false);

// Every line of the text: the indent in blanks, the prefix (when not null), the line, a
// newline. An empty text writes nothing; long lines are written whole.
void write_text(std::ostream& out, std::string_view text, const char* prefix, int indent);
void write_comment_text(std::ostream& out, std::string_view text, int language);

// The free texts placed on a sheet, each as comment lines.
void write_free_texts(std::ostream& out, const Sheet& sheet, int language);

// Verilog keywords are written in lower case whatever the VHDL keyword case is.
namespace verilog {
inline constexpr const char* kModule = "module";
inline constexpr const char* kEndmodule = "endmodule";
inline constexpr const char* kParameter = "parameter";
inline constexpr const char* kWire = "wire";
inline constexpr const char* kReg = "reg";
inline constexpr const char* kAssign = "assign";
inline constexpr const char* kAlways = "always";
inline constexpr const char* kBegin = "begin";
inline constexpr const char* kEnd = "end";
inline constexpr const char* kPosedge = "posedge";
inline constexpr const char* kNegedge = "negedge";
} // namespace verilog

} // namespace zeph
