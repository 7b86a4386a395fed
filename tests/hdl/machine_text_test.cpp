// The text of explicit state machines, byte for byte: the edge cases of the generator and
// every assignment x decoding x action timing in both languages, each also analysed and
// elaborated by GHDL (VHDL 87 or 93 as the design says) and compiled by Icarus Verilog.
#include "machine_builder.h"
#include "machine_simulation.h"
#include "text_test_support.h"

#include "design/design_constructors.h"
#include "design/status_flags.h"
#include "hdl/block_diagram_body.h"
#include "hdl/generation_options.h"
#include "hdl/generation_run.h"

namespace {

using namespace machine_hdl_test;
using hdl_text_test::matches_golden;
using hdl_text_test::tool_available;
using hdl_text_test::tool_succeeds;

class MachineTextTest : public hdl_text_test::TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        design.keyword_case = kKeywordUpper;
    }
    // The entity and its state-diagram architecture in the design's language.
    std::string text_of(Entity& entity) {
        return variant_text(design, entity, design.target_language);
    }
    void use(int language) {
        design.target_language = language;
        design.language_checking = language;
    }
    void verify(Entity& entity) {
        std::vector<std::string> lines =
            verify_machine(design, entity, *entity.architectures.front());
        std::string all;
        for (const std::string& line : lines)
            all += line + "\n";
        ASSERT_TRUE(machine_errors(lines).empty()) << all;
    }

    // GHDL analyses and elaborates the named entities, with a context clause before them.
    void expect_ghdl(const std::string& text, const std::vector<std::string>& entities,
                     const std::string& context_clause = {}) {
        if (!tool_available("ghdl")) return;
        std::string standard = design.vhdl93 ? "--std=93" : "--std=87";
        hdl_text_test::write_file(project.path() / "m.vhd", context_clause + text);
        ASSERT_TRUE(tool_succeeds({"ghdl", "-a", standard, "m.vhd"}, project.path()));
        for (const std::string& entity : entities)
            EXPECT_TRUE(tool_succeeds({"ghdl", "-e", standard, entity}, project.path()));
    }
    void expect_iverilog(const std::string& text) {
        if (!tool_available("iverilog")) return;
        hdl_text_test::write_file(project.path() / "m.v", text);
        EXPECT_TRUE(tool_succeeds({"iverilog", "-o", "m.vvp", "m.v"}, project.path()));
    }

    // Three states s1, s2, s3 in a row with a condition on the first step, an input a and an
    // output y set by state actions when `actions`.
    Entity& three_states(const std::string& name, int assignment, bool actions = true) {
        Entity& e = add_machine_entity(design, name);
        add_machine_port(e, "clk", kModeIn, kFunctionClock);
        add_machine_port(e, "a", kModeIn);
        add_machine_port(e, "y", kModeOut, kFunctionNone, 0, true);
        MachineBuilder b(design, machine_of(e));
        State& s1 = b.state("s1");
        State& s2 = b.state("s2");
        State& s3 = b.state("s3");
        b.connect(s1, s2, &b.condition("", "a = '1'", "a == 1'b1"));
        b.connect(s2, s3);
        b.connect(s3, s1);
        if (actions) {
            b.use(b.action("on", "y <= '1' ;", "y = 1'b1 ;"), s2);
            b.use(b.action("off", "y <= '0' ;", "y = 1'b0 ;"), s1);
            b.use(b.action("off3", "y <= '0' ;", "y = 1'b0 ;"), s3);
        }
        MachineOptionsFields fields = b.options();
        fields.assignment = assignment;
        b.options(fields);
        return e;
    }
};

TEST_F(MachineTextTest, BinaryThreeStatesHaveConstantsTwoSignalsAndAnOthersBranch) {
    Entity& e = three_states("binary3", kAssignmentBinary);
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/binary_three_states.vhd", text));
    EXPECT_NE(text.find("  CONSTANT s1 : Bit_Vector(1 DOWNTO 0) := \"00\" ;"), std::string::npos);
    EXPECT_NE(text.find("WHEN OTHERS => NULL ;"), std::string::npos);
    EXPECT_NE(text.find("REPORT \"OTHERS state executed\""), std::string::npos);
    expect_ghdl(text, {"binary3"});
}

TEST_F(MachineTextTest, EnumerateWritesNoOthersBranch) {
    Entity& e = three_states("enum3", kAssignmentEnumerate);
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/enumerate_three_states.vhd", text));
    EXPECT_EQ(text.find("OTHERS"), std::string::npos);
    expect_ghdl(text, {"enum3"});
}

TEST_F(MachineTextTest, OneHotTestsEveryStateBitAndAStateWithoutExitKeepsItsBit) {
    Entity& e = three_states("hot3", kAssignmentOneHot, false);
    // s3 loses its exit: it keeps its own bit.
    StateMachine& m = machine_of(e);
    std::erase_if(m.transitions, [](const auto& t) { return t->from && t->from->name == "s3"; });
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/one_hot.vhd", text));
    EXPECT_EQ(text.find("CASE"), std::string::npos);
    EXPECT_NE(text.find("    IF cur_state(s3) = '1' THEN  -- State: s3\n"
                        "      next_state(s3) <= '1' ;\n    END IF ;"),
              std::string::npos);
    expect_ghdl(text, {"hot3"});
    use(kLanguageVerilog);
    verify(e);
    std::string verilog = text_of(e);
    EXPECT_TRUE(matches_golden("machines/one_hot.v", verilog));
    expect_iverilog(verilog);
}

TEST_F(MachineTextTest, ClockedTransitionsHaveOneSignalAndOneProcess) {
    Entity& e = three_states("clocked3", kAssignmentGray);
    MachineBuilder b(design, machine_of(e));
    MachineOptionsFields fields = b.options();
    fields.transition_actions = kActionsClocked;
    fields.state_actions = kActionsClocked;
    b.options(fields);
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/clocked.vhd", text));
    EXPECT_NE(text.find("SIGNAL state"), std::string::npos);
    EXPECT_EQ(text.find("next_state"), std::string::npos);
    EXPECT_NE(text.find("  state_decoding: PROCESS (clk) \n"), std::string::npos);
    expect_ghdl(text, {"clocked3"});
}

TEST_F(MachineTextTest, PortsNamedLikeTheSignalsForceTheSuffixes) {
    Entity& e = three_states("clash", kAssignmentEnumerate, false);
    add_machine_port(e, "Cur_State", kModeIn);
    add_machine_port(e, "next_state", kModeIn);
    add_machine_port(e, "next_state_I", kModeIn);
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/signal_suffix.vhd", text));
    EXPECT_NE(text.find("SIGNAL cur_state_I   : state_type ;  -- Current State"),
              std::string::npos);
    EXPECT_NE(text.find("SIGNAL next_state_I1 : state_type ;  -- Next State"), std::string::npos);
    expect_ghdl(text, {"clash"});
}

TEST_F(MachineTextTest, EdgeFunctionsAndAResetMakeTheClockTestAnElsif) {
    Entity& e = three_states("edges", kAssignmentBinary, false);
    e.ports.front()->type_name = "std_logic";
    add_machine_port(e, "rst", kModeIn, kFunctionReset);
    MachineBuilder b(design, machine_of(e));
    b.reset(*machine_of(e).states.front(), b.condition("", "rst='1'", "rst==1"));
    MachineOptionsFields fields = b.options();
    fields.edge_functions = true;
    fields.clock_edge = kClockFallingEdge;
    b.options(fields);
    verify(e);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/edge_functions.vhd", text));
    EXPECT_NE(text.find("    ELSIF (falling_edge(clk)) THEN"), std::string::npos);
    expect_ghdl(text, {"edges"}, "LIBRARY ieee ;\nUSE ieee.std_logic_1164.ALL ;\n");
}

TEST_F(MachineTextTest, OneBitCodeOnAScalarPortIsQuotedSinglyWithoutRange) {
    Entity& e = add_machine_entity(design, "toggle");
    add_machine_port(e, "clk", kModeIn, kFunctionClock);
    add_machine_port(e, "q", kModeOut, kFunctionStateRegister);
    MachineBuilder b(design, machine_of(e));
    State& off = b.state("dark");
    State& on = b.state("lit");
    b.connect(off, on);
    b.connect(on, off);
    MachineOptionsFields fields = b.options();
    fields.assignment = kAssignmentBinary;
    b.options(fields);
    verify(e);
    EXPECT_FALSE(machine_of(e).state_vector_ranged);
    std::string text = text_of(e);
    EXPECT_TRUE(matches_golden("machines/scalar_state_port.vhd", text));
    EXPECT_NE(text.find("  CONSTANT dark : Bit := '0' ;"), std::string::npos);
    EXPECT_NE(text.find("\n  q <= cur_state ;\n"), std::string::npos);
    expect_ghdl(text, {"toggle"});
    use(kLanguageVerilog);
    verify(e);
    std::string verilog = text_of(e);
    EXPECT_TRUE(matches_golden("machines/scalar_state_port.v", verilog));
    EXPECT_NE(verilog.find("  reg cur_state ;  // Current State"), std::string::npos);
    expect_iverilog(verilog);
}

// A controller that has a bit of everything: a global transition, a state without exit, a
// condition of two lines with a name, actions on states (one state without any), default
// actions on states and on transitions, and a reset transition with an action.
class ControllerText : public MachineTextTest {
  protected:
    void SetUp() override {
        MachineTextTest::SetUp();
        Entity& e = add_machine_entity(design, "ctrl");
        entity = &e;
        add_machine_port(e, "clk", kModeIn, kFunctionClock);
        add_machine_port(e, "rst", kModeIn, kFunctionReset);
        add_machine_port(e, "go", kModeIn);
        add_machine_port(e, "abort", kModeIn);
        add_machine_port(e, "o", kModeOut, kFunctionNone, 2, true);
        add_machine_port(e, "busy", kModeOut, kFunctionNone, 0, true);
        add_machine_port(e, "p", kModeOut, kFunctionNone, 0, true);
        add_machine_port(e, "r", kModeOut, kFunctionNone, 0, true);
        MachineBuilder b(design, machine_of(e));
        State& idle = b.state("idle");
        State& run = b.state("run");
        State& done = b.state("done");
        State& hold = b.state("hold");
        Label& go = b.condition("", "go = '1'", "go == 1'b1");
        Label& finish =
            b.condition("finish", "go = '0' AND\nabort = '0'", "go == 1'b0 &&\nabort == 1'b0");
        Label& abort = b.condition("abort", "abort = '1'", "abort == 1'b1");
        b.global(idle, &abort);
        b.use(b.action("pulse", "p <= '1' ;", "p = 1'b1 ;"), b.connect(idle, run, &go));
        b.connect(run, done, &finish);
        b.connect(done, hold);
        b.action("quiet", "p <= '0' ;", "p = 1'b0 ;", kDefaultOnTransitions);
        b.action("", "busy <= '0' ;", "busy = 1'b0 ;", kDefaultOnStates);
        b.use(b.action("o_idle", "o <= \"00\" ;", "o = 2'b00 ;"), idle);
        b.use(b.action("o_run", "o <= \"01\" ;\nbusy <= '1' ;", "o = 2'b01 ;\nbusy = 1'b1 ;"), run);
        b.use(b.action("o_done", "o <= \"10\" ;", "o = 2'b10 ;"), done);
        Transition& reset = b.reset(idle, b.condition("reset", "rst='1'", "rst==1"));
        b.use(b.action("mark", "r <= '1' ;", "r = 1'b1 ;"), reset);
    }

    // Every decoding and action timing of one assignment, one after the other.
    std::string matrix(int assignment, std::vector<std::string>& names) {
        std::string text;
        int n = 0;
        int k = 0;
        for (const MachineVariant& v : all_variants()) {
            // Both edges come in turn, one per decoding and action timing.
            if (v.assignment != assignment || v.clock_edge != (k++ / 2) % 2) continue;
            SampleMachine sample;
            sample.entity = entity;
            std::vector<std::string> errors;
            EXPECT_TRUE(prepare_variant(design, sample, v, &errors)) << v.label();
            std::string name = "ctrl_" + std::to_string(n++);
            entity->name = name;
            text += text_of(*entity);
            entity->name = "ctrl";
            names.push_back(name);
        }
        return text;
    }

    void check_assignment(int assignment, const std::string& golden) {
        // VHDL 87 for every other assignment, so that both standards are analysed.
        design.vhdl93 = assignment % 2 == 1;
        // And the three keyword cases in turn.
        design.keyword_case = assignment % 3;
        std::vector<std::string> names;
        std::string vhdl = matrix(assignment, names);
        EXPECT_TRUE(matches_golden("machines/" + golden + ".vhd", vhdl));
        expect_ghdl(vhdl, names);
        use(kLanguageVerilog);
        names.clear();
        std::string verilog = matrix(assignment, names);
        EXPECT_TRUE(matches_golden("machines/" + golden + ".v", verilog));
        expect_iverilog(verilog);
        use(kLanguageVhdl);
    }

    Entity* entity = nullptr;
};

TEST_F(ControllerText, Enumerate) {
    check_assignment(kAssignmentEnumerate, "ctrl_enumerate");
}
TEST_F(ControllerText, Binary) {
    check_assignment(kAssignmentBinary, "ctrl_binary");
}
TEST_F(ControllerText, GrayCode) {
    check_assignment(kAssignmentGray, "ctrl_gray");
}
TEST_F(ControllerText, OneHot) {
    check_assignment(kAssignmentOneHot, "ctrl_one_hot");
}
TEST_F(ControllerText, TwoHot) {
    check_assignment(kAssignmentTwoHot, "ctrl_two_hot");
}
TEST_F(ControllerText, UserDefined) {
    check_assignment(kAssignmentUserDefined, "ctrl_user");
}

} // namespace
