// Reserved-word tables of VHDL, VHDL 93 and Verilog.
#include "hdl/vhdl_keywords.h"

#include <array>
#include <cstring>
#include <string>

namespace zeph {

namespace {

constexpr const char* kVhdlWords[] = {
    "ABS",       "ACCESS",   "AFTER",     "ALIAS",     "ALL",       "AND",       "ARCHITECTURE",
    "ARRAY",     "ASSERT",   "ATTRIBUTE", "BEGIN",     "BLOCK",     "BODY",      "BUFFER",
    "BUS",       "CASE",     "COMPONENT", "CONFIGURATION", "CONSTANT", "DISCONNECT", "DOWNTO",
    "ELSE",      "ELSIF",    "END",       "ENTITY",    "EXIT",      "FILE",      "FOR",
    "FUNCTION",  "GENERATE", "GENERIC",   "GUARDED",   "IF",        "IN",        "INOUT",
    "IS",        "LABEL",    "LIBRARY",   "LINKAGE",   "LOOP",      "MAP",       "MOD",
    "NAND",      "NEW",      "NEXT",      "NOR",       "NOT",       "NULL",      "OF",
    "ON",        "OPEN",     "OR",        "OTHERS",    "OUT",       "PACKAGE",   "PORT",
    "PROCEDURE", "PROCESS",  "RANGE",     "RECORD",    "REGISTER",  "REM",       "REPORT",
    "RETURN",    "SELECT",   "SEVERITY",  "SIGNAL",    "SUBTYPE",   "THEN",      "TO",
    "TRANSPORT", "TYPE",     "UNITS",     "UNTIL",     "USE",       "VARIABLE",  "WAIT",
    "WHEN",      "WHILE",    "WITH",      "XOR",
};

constexpr const char* kVhdl93Words[] = {
    "GROUP", "IMPURE", "INERTIAL", "LITERAL", "POSTPONED", "PURE", "REJECT", "ROL",
    "ROR",   "SHARED", "SLA",      "SLL",     "SRA",       "SRL",  "UNAFFECTED", "XNOR",
};

constexpr const char* kVerilogWords[] = {
    "always",    "and",        "assign",     "begin",      "buf",        "bufif0",   "bufif1",
    "case",      "casex",      "casez",      "cmos",       "deassign",   "default",  "defparam",
    "disable",   "edge",       "else",       "end",        "endcase",    "endmodule", "endfunction",
    "endprimitive", "endspecify", "endtable", "endtask",   "event",      "for",      "force",
    "forever",   "fork",       "function",   "highz0",     "highz1",     "if",       "initial",
    "inout",     "input",      "integer",    "join",       "large",      "macromodule", "medium",
    "module",    "nand",       "negedge",    "nmos",       "nor",        "not",      "notif0",
    "notif1",    "or",         "output",     "parameter",  "pmos",       "posedge",  "primitive",
    "pull0",     "pull1",      "pullup",     "pulldown",   "rcmos",      "reg",      "release",
    "repeat",    "rnmos",      "rpmos",      "rtran",      "rtranif0",   "rtranif1", "scalared",
    "small",     "specify",    "specparam",  "strength",   "strong0",    "strong1",  "supply0",
    "supply1",   "table",      "task",       "time",       "tran",       "tranif0",  "tranif1",
    "tri",       "tri0",       "tri1",       "triand",     "trior",      "trireg",   "vectored",
    "wait",      "wand",       "weak0",      "weak1",      "while",      "wire",     "wor",
    "xnor",      "xor",
};

static_assert(std::size(kVhdlWords) == 81);
static_assert(std::size(kVhdl93Words) == 16);
static_assert(std::size(kVerilogWords) == 100);

// The keyword table in its current case, parallel to kVhdlWords.
std::array<std::string, std::size(kVhdlWords)>& keyword_table() {
    static std::array<std::string, std::size(kVhdlWords)> table = [] {
        std::array<std::string, std::size(kVhdlWords)> t;
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = kVhdlWords[i];
        return t;
    }();
    return table;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

template <std::size_t N>
int index_in(const char* const (&words)[N], std::string_view word, bool ignore_case) {
    for (std::size_t i = 0; i < N; ++i) {
        bool match = ignore_case ? equal_ignoring_case(words[i], word) : word == words[i];
        if (match) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

const char* vhdl_keyword(std::string_view upper_word) {
    int i = index_in(kVhdlWords, upper_word, true);
    if (i < 0) {
        static std::string unknown;
        unknown = upper_word;
        return unknown.c_str();
    }
    return keyword_table()[static_cast<std::size_t>(i)].c_str();
}

void apply_keyword_case(int keyword_case) {
    for (std::string& word : keyword_table()) {
        for (char& c : word) c = keyword_case == kKeywordUpper ? upper(c) : lower(c);
        if (keyword_case == kKeywordCapitalized && !word.empty()) word[0] = upper(word[0]);
    }
}

bool is_vhdl_reserved(std::string_view word) { return index_in(kVhdlWords, word, true) >= 0; }
bool is_vhdl93_reserved(std::string_view word) { return index_in(kVhdl93Words, word, true) >= 0; }
bool is_verilog_reserved(std::string_view word) { return index_in(kVerilogWords, word, false) >= 0; }

int vhdl_keyword_count() { return static_cast<int>(std::size(kVhdlWords)); }
int vhdl93_keyword_count() { return static_cast<int>(std::size(kVhdl93Words)); }
int verilog_keyword_count() { return static_cast<int>(std::size(kVerilogWords)); }

} // namespace zeph
