// Object-kind words in both languages with their plural and capitalisation rules.
#include "foundation/kind_vocabulary.h"

#include <cstring>
#include <string>

namespace zeph {

namespace {

const char* const kWords[kKindCount][2] = {
    {"design", "design"},
    {"entity", "module"},
    {"architecture", "module body"},
    {"process", "always block"},
    {"component", "instance"},
    {"generic", "parameter"},
    {"port", "port"},
    {"diagram generic", "diagram parameter"},
    {"diagram port", "diagram port"},
    {"component generic", "instance parameter"},
    {"component port", "instance port"},
    {"process port", "task port"},
    {"net", "net"},
    {"bus entry", "bus entry"},
    {"ratsnest", "ratsnest"},
    {"wire", "wire"},
    {"bus", "bus"},
    {"configuration", "configuration"},
    {"connect-by-name", "connect-by-name"},
    {"state", "state"},
    {"transition", "transition"},
    {"action", "action"},
    {"condition", "condition"},
    {"label", "label"},
    {"text", "text"},
    {"point", "point"},
    {"segment", "segment"},
    {"testbench", "testbench"},
};

enum class Plural { S, Es, Ies };

Plural plural_rule(int kind, bool verilog) {
    if (kind == kKindBusEntry) return Plural::Ies;
    if (verilog && kind == kKindArchitecture) return Plural::Ies;
    if (!verilog && kind == kKindEntity) return Plural::Ies;
    if (kind == kKindBus || kind == kKindTestbench) return Plural::Es;
    if (!verilog && kind == kKindProcess) return Plural::Es;
    return Plural::S;
}

} // namespace

std::string kind_name(int language, int kind, int flags, int number) {
    if (kind < 0 || kind >= kKindCount) return {};
    bool verilog = language == kLanguageVerilog;
    std::string word = kWords[kind][verilog ? 1 : 0];
    if (number != 1) {
        switch (plural_rule(kind, verilog)) {
        case Plural::Ies:
            word.pop_back();
            word += "ies";
            break;
        case Plural::Es:
            word += "es";
            break;
        case Plural::S:
            word += "s";
            break;
        }
    }
    if ((flags & kKindCapital) != 0 && !word.empty() && word[0] >= 'a' && word[0] <= 'z')
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

} // namespace zeph
