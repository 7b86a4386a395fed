// Reserved-word tables of VHDL, VHDL 93 and Verilog.
#include "hdl/vhdl_keywords.h"

#include "foundation/strings.h"

#include <array>
#include <cstring>
#include <string>
#include <tuple>

namespace zeph {

namespace {

constexpr const char* kVhdlWords[] = {
    "ABS",       "ACCESS",   "AFTER",     "ALIAS",         "ALL",      "AND",        "ARCHITECTURE",
    "ARRAY",     "ASSERT",   "ATTRIBUTE", "BEGIN",         "BLOCK",    "BODY",       "BUFFER",
    "BUS",       "CASE",     "COMPONENT", "CONFIGURATION", "CONSTANT", "DISCONNECT", "DOWNTO",
    "ELSE",      "ELSIF",    "END",       "ENTITY",        "EXIT",     "FILE",       "FOR",
    "FUNCTION",  "GENERATE", "GENERIC",   "GUARDED",       "IF",       "IN",         "INOUT",
    "IS",        "LABEL",    "LIBRARY",   "LINKAGE",       "LOOP",     "MAP",        "MOD",
    "NAND",      "NEW",      "NEXT",      "NOR",           "NOT",      "NULL",       "OF",
    "ON",        "OPEN",     "OR",        "OTHERS",        "OUT",      "PACKAGE",    "PORT",
    "PROCEDURE", "PROCESS",  "RANGE",     "RECORD",        "REGISTER", "REM",        "REPORT",
    "RETURN",    "SELECT",   "SEVERITY",  "SIGNAL",        "SUBTYPE",  "THEN",       "TO",
    "TRANSPORT", "TYPE",     "UNITS",     "UNTIL",         "USE",      "VARIABLE",   "WAIT",
    "WHEN",      "WHILE",    "WITH",      "XOR",
};

constexpr const char* kVhdl93Words[] = {
    "GROUP", "IMPURE", "INERTIAL", "LITERAL", "POSTPONED", "PURE", "REJECT",     "ROL",
    "ROR",   "SHARED", "SLA",      "SLL",     "SRA",       "SRL",  "UNAFFECTED", "XNOR",
};

constexpr const char* kVerilogWords[] = {
    "always",    "and",       "assign",      "begin",        "buf",         "bufif0",
    "bufif1",    "case",      "casex",       "casez",        "cmos",        "deassign",
    "default",   "defparam",  "disable",     "edge",         "else",        "end",
    "endcase",   "endmodule", "endfunction", "endprimitive", "endspecify",  "endtable",
    "endtask",   "event",     "for",         "force",        "forever",     "fork",
    "function",  "highz0",    "highz1",      "if",           "initial",     "inout",
    "input",     "integer",   "join",        "large",        "macromodule", "medium",
    "module",    "nand",      "negedge",     "nmos",         "nor",         "not",
    "notif0",    "notif1",    "or",          "output",       "parameter",   "pmos",
    "posedge",   "primitive", "pull0",       "pull1",        "pullup",      "pulldown",
    "rcmos",     "reg",       "release",     "repeat",       "rnmos",       "rpmos",
    "rtran",     "rtranif0",  "rtranif1",    "scalared",     "small",       "specify",
    "specparam", "strength",  "strong0",     "strong1",      "supply0",     "supply1",
    "table",     "task",      "time",        "tran",         "tranif0",     "tranif1",
    "tri",       "tri0",      "tri1",        "triand",       "trior",       "trireg",
    "vectored",  "wait",      "wand",        "weak0",        "weak1",       "while",
    "wire",      "wor",       "xnor",        "xor",
};

static_assert(std::size(kVhdlWords) == 81);
static_assert(std::size(kVhdl93Words) == 16);
static_assert(std::size(kVerilogWords) == 100);

template <std::size_t N>
int index_in(const char* const (&words)[N], std::string_view word, bool ignore_case) {
    for (std::size_t i = 0; i < N; ++i) {
        bool match = ignore_case ? equal_ignoring_case(words[i], word) : word == words[i];
        if (match) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

KeywordTable::KeywordTable(int keyword_case) {
    static_assert(std::tuple_size_v<decltype(words_)> == std::size(kVhdlWords));
    for (std::size_t i = 0; i < words_.size(); ++i) {
        std::string& word = words_[i];
        word = kVhdlWords[i];
        for (char& c : word)
            c = keyword_case == kKeywordUpper ? upper_ascii(c) : lower_ascii(c);
        if (keyword_case == kKeywordCapitalized && !word.empty()) word[0] = upper_ascii(word[0]);
    }
}

const char* KeywordTable::keyword(const char* upper_word) const {
    int i = index_in(kVhdlWords, upper_word, true);
    return i < 0 ? upper_word : words_[static_cast<std::size_t>(i)].c_str();
}

bool is_vhdl_reserved(std::string_view word) {
    return index_in(kVhdlWords, word, true) >= 0;
}
bool is_vhdl93_reserved(std::string_view word) {
    return index_in(kVhdl93Words, word, true) >= 0;
}
bool is_verilog_reserved(std::string_view word) {
    return index_in(kVerilogWords, word, false) >= 0;
}

int vhdl_keyword_count() {
    return static_cast<int>(std::size(kVhdlWords));
}
int vhdl93_keyword_count() {
    return static_cast<int>(std::size(kVhdl93Words));
}
int verilog_keyword_count() {
    return static_cast<int>(std::size(kVerilogWords));
}

} // namespace zeph
