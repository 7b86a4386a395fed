// The options comment and the declarations of an explicit machine: the state type or the
// state constants, the state signals and the synthesis attributes.
//
//   -- State Machine Options:
//   --   State assignment       : Binary.
//   ...
//     CONSTANT s1 : Bit_Vector(1 DOWNTO 0) := "00" ;
//     SIGNAL cur_state  : Bit_Vector(1 DOWNTO 0) ;  -- Current State
#include "hdl/machine_generation.h"

#include "design/design.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "hdl/machine_words.h"
#include "statemachine/machine_options.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr int kSynthesisDesignCompiler = 2;
constexpr int kSynthesisSynplify = 7;
constexpr int kTypeWrapStart = 25;
constexpr int kTypeWrapMargin = 75;

std::string state_type_name(const MachineGeneration& g) {
    return "state_type" + g.machine.identifier_suffix;
}

int name_width(const MachineGeneration& g) {
    std::size_t width = 0;
    for (const auto& state : g.machine.states)
        width = std::max(width, g.suffixed(*state).size());
    return static_cast<int>(width) + (g.two_hot() ? 2 : 0);
}

std::string code_of(const State& state) {
    std::string_view code = state.code;
    while (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    return std::string(code);
}

std::string vector_type(const MachineGeneration& g) {
    const Design& design = g.context.design;
    if (!g.machine.state_vector_ranged)
        return design.vhdl_signal_type.empty() ? "Bit" : design.vhdl_signal_type;
    std::string type = design.vhdl_vector_type.empty() ? "Bit_Vector" : design.vhdl_vector_type;
    return type + format_text("(%d %s %d)", g.machine.code_width - 1, g.kw("DOWNTO"), 0);
}

void write_enumeration(MachineGeneration& g, int width) {
    const auto& states = g.machine.states;
    if (g.verilog()) {
        g.out << format_text("  %s\n", "parameter");
        for (std::size_t i = 0; i < states.size(); ++i)
            g.out << "    "
                  << format_text("%-*s = %d", width, g.suffixed(*states[i]).c_str(),
                                 states[i]->number - 1)
                  << (i + 1 == states.size() ? ";\n" : ",\n");
        return;
    }
    g.out << format_text("  %s %s %s (", g.kw("TYPE"), state_type_name(g).c_str(), g.kw("IS"));
    int column = kTypeWrapStart;
    for (std::size_t i = 0; i < states.size(); ++i) {
        int length = static_cast<int>(states[i]->name.size());
        if (column + length + 2 > kTypeWrapMargin) {
            g.out << "\n          ";
            column = length + 10;
        } else {
            column += length + 2;
        }
        g.out << g.suffixed(*states[i]) << (i + 1 == states.size() ? "" : ", ");
    }
    g.out << ") ;\n";
}

// A constant of a One Hot or Two Hot machine: the index of a bit of the state vector.
void write_bit_constant(MachineGeneration& g, const std::string& name, int width, int bit,
                        const std::string& trailer) {
    if (g.verilog())
        g.out << "    " << format_text("%-*s = %d", width, name.c_str(), bit) << trailer;
    else
        g.out << "  " << g.kw("CONSTANT") << " " << format_text("%-*s :", width, name.c_str())
              << " Integer" << format_text(" := %d", bit) << trailer;
}

void write_bit_constants(MachineGeneration& g, int width) {
    const auto& states = g.machine.states;
    if (g.verilog())
        g.out << format_text("  %s\n", "parameter");
    else
        g.out << format_text("  %s %s %s %s%s(%d %s 0) ;\n", g.kw("SUBTYPE"),
                             state_type_name(g).c_str(), g.kw("IS"), "Bit", "_Vector",
                             g.machine.code_width - 1, g.kw("DOWNTO"));
    for (std::size_t i = 0; i < states.size(); ++i) {
        const State& state = *states[i];
        bool last = i + 1 == states.size();
        std::string code = code_of(state);
        std::vector<int> bits; // of the '1' characters, counted from the right
        for (std::size_t c = 0; c < code.size(); ++c)
            if (code[c] == '1') bits.push_back(static_cast<int>(code.size() - 1 - c));
        while (bits.size() < 2)
            bits.push_back(0);
        const char* separator = g.vhdl() ? ";" : (last && g.one_hot() ? ";" : ",");
        std::string trailer = format_text(" %s %s\"%s\"\n", separator, g.prefix(), code.c_str());
        if (g.one_hot()) {
            write_bit_constant(g, g.suffixed(state), width, bits[0], trailer);
            continue;
        }
        write_bit_constant(g, g.suffixed(state) + "_0", width, bits[0], trailer);
        const char* second = g.vhdl() ? ";" : (last ? ";" : ",");
        write_bit_constant(g, g.suffixed(state) + "_1", width, bits[1],
                           format_text(" %s\n", second));
    }
}

void write_code_constants(MachineGeneration& g, int width) {
    const auto& states = g.machine.states;
    if (g.verilog()) {
        g.out << format_text("  %s\n", "parameter");
        for (std::size_t i = 0; i < states.size(); ++i) {
            std::string code =
                format_text("%d'b%s", g.machine.code_width, code_of(*states[i]).c_str());
            g.out << "    "
                  << format_text("%-*s = %s", width, g.suffixed(*states[i]).c_str(), code.c_str())
                  << (i + 1 == states.size() ? ";\n" : ",\n");
        }
        return;
    }
    const char* quote = g.machine.state_vector_ranged ? "\"" : "'";
    for (const auto& state : states)
        g.out << "  " << g.kw("CONSTANT") << " "
              << format_text("%-*s :", width, g.suffixed(*state).c_str()) << " " << vector_type(g)
              << " := " << quote << code_of(*state) << quote << " ;\n";
}

void write_state_signal(MachineGeneration& g, const std::string& name, int width,
                        const char* which) {
    std::string trailer = format_text(" ;  %s%s %s\n", g.prefix(), which, "State");
    bool enumerate = g.machine.assignment == kAssignmentEnumerate;
    if (g.verilog()) {
        g.out << "  " << (enumerate ? "integer" : "reg");
        if (!enumerate && g.machine.state_vector_ranged)
            g.out << format_text(" [%d:%d]", g.machine.code_width - 1, 0);
        g.out << " " << name << trailer;
        return;
    }
    std::string type = enumerate || g.hot() ? state_type_name(g) : vector_type(g);
    g.out << "  " << g.kw("SIGNAL") << " " << format_text("%-*s :", width, name.c_str()) << " "
          << type << trailer;
}

void write_attribute(MachineGeneration& g) {
    int tool = g.context.design.synthesis_tool;
    if (tool == kSynthesisSynplify)
        g.out << format_text("%s%s %s %s %s : %s %s true ;\n\n", "  ", g.kw("ATTRIBUTE"),
                             "syn_state_machine", g.kw("OF"), g.S().c_str(), g.kw("SIGNAL"),
                             g.kw("IS"));
    else if (tool == kSynthesisDesignCompiler)
        g.out << format_text("%s%s %s %s %s : %s %s \"%s\" ;\n\n", "  ", g.kw("ATTRIBUTE"),
                             "state_vector", g.kw("OF"), g.architecture.name.c_str(),
                             g.kw("ARCHITECTURE"), g.kw("IS"), g.S().c_str());
}
} // namespace

void write_options_comment(MachineGeneration& g) {
    const StateMachine& m = g.machine;
    const char* p = g.prefix();
    g.out << format_text("%s%s Machine Options", p, "State");
    if (g.process != nullptr)
        g.out << format_text(" of %s %s:\n", g.context.kind_word(kKindProcess).c_str(),
                             g.process->name.c_str());
    else
        g.out << ":\n";
    g.out << format_text("%s  %s %-10s      : %s.\n", p, "State", "assignment",
                         assignment_name(m.assignment));
    if (!g.hot())
        g.out << format_text("%s  %s %-10s      : %s.\n", p, "State", "decoding",
                             decoding_name(m.decoding));
    g.out << format_text("%s  %s on %-11s: %s.\n", p, "Actions", "transitions",
                         action_timing_label(m.transition_actions, g.verilog()));
    g.out << format_text("%s  %s on %-11s: %s.\n\n", p, "Actions", "states",
                         action_timing_label(m.state_actions, g.verilog()));
}

void write_machine_declarations(MachineGeneration& g) {
    // A machine without states has only its frame: an empty type is no legal declaration.
    if (g.machine.states.empty()) return;
    int width = name_width(g);
    int signal_width = width;
    switch (g.machine.assignment) {
    case kAssignmentEnumerate:
        write_enumeration(g, width);
        signal_width = static_cast<int>(std::max(g.S().size(), g.N().size()));
        break;
    case kAssignmentOneHot:
    case kAssignmentTwoHot:
        write_bit_constants(g, width);
        break;
    default:
        write_code_constants(g, width);
        break;
    }
    write_state_signal(g, g.S(), signal_width, "Current");
    if (g.split()) write_state_signal(g, g.N(), signal_width, "Next");
    g.out << "\n";
    if (g.vhdl()) write_attribute(g);
}

void write_synthesis_attribute_declaration(std::ostream& out, const HdlContext& context) {
    if (!context.vhdl() || !context.design.inline_synthesis_attributes) return;
    if (context.design.synthesis_tool == kSynthesisDesignCompiler)
        out << format_text("%s%s %s : string; \n\n", "  ", context.keyword("ATTRIBUTE"),
                           "state_vector");
    else if (context.design.synthesis_tool == kSynthesisSynplify)
        out << format_text("%s%s %s : boolean;\n\n", "  ", context.keyword("ATTRIBUTE"),
                           "syn_state_machine");
}

} // namespace zeph
