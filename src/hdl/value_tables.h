// The value tables of generated text (generic types, time units, signal kinds, port modes,
// special functions) and the default types of untyped ports and nets.
#pragma once

#include <string>
#include <string_view>

namespace zeph {

struct Design;
struct Generic;
class KeywordTable;

// 1 "Bit" ... 7 "Time"; 8 the generic's own type text; "" otherwise.
std::string_view generic_type_text(const Generic& generic);
// 1 "fs" ... 8 "hr"; "" for none.
const char* time_unit_text(int unit);
// 1 "BUS", 2 "REGISTER"; "" for none.
const char* signal_kind_text(int kind);
// IN, OUT, INOUT, BUFFER from the keyword table in its current case; "" for mode 0.
const char* vhdl_mode_keyword(const KeywordTable& keywords, int mode);
// "input", "output", "inout" (also for Buffer).
const char* verilog_mode_word(int mode);
// "Clock", "Reset", "State Register"; "" for none.
const char* special_function_text(int function);

// The type of a port or net: its own type text, else the design's vector type (ranged) or
// signal type, else "Bit_Vector" or "Bit".
std::string type_text(const Design& design, std::string_view type_name, bool has_range);

} // namespace zeph
