// Value tables and default types of the generated text.
#include "hdl/value_tables.h"

#include "design/design.h"
#include "design/generic.h"
#include "foundation/message_table.h"
#include "hdl/vhdl_keywords.h"

namespace zeph {

namespace {
template <std::size_t N> const char* entry(const char* const (&table)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : "";
}

const char* const kGenericTypes[] = {"",        "Bit",     "Bit_Vector", "Boolean",
                                     "Integer", "Natural", "Positive",   "Time"};
const char* const kTimeUnits[] = {"", "fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
const char* const kSignalKinds[] = {"", "BUS", "REGISTER"};
const char* const kVerilogModes[] = {"", "input", "output", "inout", "inout"};
} // namespace

std::string_view generic_type_text(const Generic& generic) {
    if (generic.type == kGenericTypeUserDefined) return generic.user_type_name;
    return entry(kGenericTypes, generic.type);
}

const char* time_unit_text(int unit) {
    return entry(kTimeUnits, unit);
}
const char* signal_kind_text(int kind) {
    return entry(kSignalKinds, kind);
}

const char* vhdl_mode_keyword(const KeywordTable& keywords, int mode) {
    switch (mode) {
    case 1:
        return keywords.keyword("IN");
    case 2:
        return keywords.keyword("OUT");
    case 3:
        return keywords.keyword("INOUT");
    case 4:
        return keywords.keyword("BUFFER");
    default:
        return "";
    }
}

const char* verilog_mode_word(int mode) {
    return entry(kVerilogModes, mode);
}

const char* special_function_text(int function) {
    return special_function_word(function);
}

std::string type_text(const Design& design, std::string_view type_name, bool has_range) {
    if (!type_name.empty()) return std::string(type_name);
    const std::string& configured = has_range ? design.vhdl_vector_type : design.vhdl_signal_type;
    if (!configured.empty()) return configured;
    return has_range ? "Bit_Vector" : "Bit";
}

} // namespace zeph
