// The text of implicit machines, byte for byte: sequences of plain steps, IF groups with and
// without a meeting state, WHILE loops on a state, loops through states, actions on states,
// transitions and the reset, a machine without reset (no "resetloop", no NEXT), an
// architecture-level machine and a process of a block diagram. GHDL analyses and elaborates
// every VHDL text; the Verilog notice still leaves a module that Icarus Verilog compiles.
#include "diagram_builder.h"
#include "machine_builder.h"
#include "machine_simulation.h"
#include "text_test_support.h"

#include "design/design_constructors.h"
#include "hdl/vhdl_entity.h"
#include "statemachine/implicit_path_tree.h"

#include <sstream>

namespace {

using namespace machine_hdl_test;
using hdl_text_test::matches_golden;
using hdl_text_test::tool_available;
using hdl_text_test::tool_succeeds;

class ImplicitTextTest : public hdl_text_test::TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        design.keyword_case = kKeywordUpper;
        design.vhdl93 = true;
    }

    Entity& entity(const std::string& name, bool reset = true) {
        Entity& e = add_machine_entity(design, name);
        add_machine_port(e, "clk", kModeIn, kFunctionClock);
        if (reset) add_machine_port(e, "rst", kModeIn, kFunctionReset);
        add_machine_port(e, "a", kModeIn);
        add_machine_port(e, "b", kModeIn);
        add_machine_port(e, "y", kModeOut, kFunctionNone, 2, true);
        add_machine_port(e, "p", kModeOut, kFunctionNone, 0, true);
        return e;
    }

    static void implicit(MachineBuilder& b) {
        MachineOptionsFields fields = b.options();
        fields.style = kStyleImplicit;
        fields.assignment = kAssignmentNone;
        b.options(fields);
    }

    // y takes a code in every state.
    static void code(MachineBuilder& b, State& s, const char* bits) {
        b.use(b.action("", std::string("y <= \"") + bits + "\" ;",
                       std::string("y = 2'b") + bits + " ;"),
              s);
    }
    static Label& high(MachineBuilder& b, const std::string& input) {
        return b.condition("", input + " = '1'", input + " == 1'b1");
    }

    std::string verified_text(Entity& e, int language = kLanguageVhdl) {
        design.target_language = language;
        design.language_checking = language;
        std::vector<std::string> lines = verify_machine(design, e, *e.architectures.front());
        std::string all;
        for (const std::string& line : lines)
            all += line + "\n";
        EXPECT_TRUE(machine_errors(lines).empty()) << all;
        return variant_text(design, e, language);
    }

    // GHDL analyses the texts in one run and elaborates each entity.
    void expect_ghdl(const std::string& text, const std::vector<std::string>& entities) {
        if (!tool_available("ghdl")) return;
        hdl_text_test::write_file(project.path() / "implicit.vhd", text);
        ASSERT_TRUE(tool_succeeds({"ghdl", "-a", "--std=93", "implicit.vhd"}, project.path()));
        for (const std::string& name : entities)
            EXPECT_TRUE(tool_succeeds({"ghdl", "-e", "--std=93", name}, project.path()));
    }

    // A sequence: the reset state waits for a, then three states follow one another and the
    // path ends back at the start. Actions on every state, on the transitions and the reset.
    Entity& sequence_machine() {
        Entity& e = entity("sequence");
        add_machine_port(e, "r", kModeOut, kFunctionNone, 0, true);
        MachineBuilder b(design, machine_of(e));
        State& idle = b.state("idle");
        State& s1 = b.state("s1");
        State& s2 = b.state("s2");
        State& s3 = b.state("s3");
        Label& pulse = b.action("pulse", "p <= '1' ;", "p = 1'b1 ;");
        Label& quiet = b.action("", "p <= '0' ;", "p = 1'b0 ;");
        b.use(pulse, b.connect(idle, s1, &high(b, "a")));
        b.use(quiet, b.connect(idle, idle));
        b.use(quiet, b.connect(s1, s2));
        b.connect(s2, s3);
        b.connect(s3, idle);
        code(b, idle, "00");
        code(b, s1, "01");
        code(b, s2, "10");
        code(b, s3, "11");
        Transition& reset = b.reset(idle, b.condition("reset", "rst='1'", "rst==1"));
        b.use(b.action("mark", "r <= '1' ;\np <= '0' ;", "r = 1'b1 ;\np = 1'b0 ;"), reset);
        implicit(b);
        return e;
    }
};

TEST_F(ImplicitTextTest, ASequenceWaitsInEveryStateAndRestartsOnTheReset) {
    Entity& e = sequence_machine();
    machine_of(e).process_comment = "counts to three";
    machine_of(e).process_declarations = "VARIABLE n : Integer := 0 ;";
    std::string text = verified_text(e);
    EXPECT_TRUE(matches_golden("machines/implicit_sequence.vhd", text));
    expect_ghdl(text, {"sequence"});
}

TEST_F(ImplicitTextTest, GroupsLoopsAndLoopsThroughStatesNestAsStatements) {
    Entity& e = entity("nested");
    MachineBuilder b(design, machine_of(e));
    State& r = b.state("r");
    State& w = b.state("w");
    State& n = b.state("n");
    State& x = b.state("x");
    State& y = b.state("yy");
    State& m = b.state("m");
    State& h = b.state("h");
    State& inner = b.state("inner");
    State& left = b.state("left");
    State& right = b.state("right");
    State& j = b.state("j");
    State& o = b.state("o");
    State& k = b.state("k");
    Label& step = b.action("", "p <= '1' ;", "p = 1'b1 ;");
    b.connect(r, w);
    // A WHILE loop on w, listed before its leaving step.
    b.use(step, b.connect(w, w, &high(b, "a")));
    b.connect(w, n);
    // IF / ELSIF / ELSE meeting at m; the ELSIF condition has a name and two lines.
    b.connect(n, x, &high(b, "a"));
    b.use(step, b.connect(n, y, &b.condition("both", "a = '0' AND\nb = '1'", "!a &&\nb")));
    b.connect(n, m);
    b.connect(x, m);
    b.connect(y, m);
    b.connect(m, h);
    // A loop through states with an inner IF part that meets at j before coming back.
    b.connect(h, inner, &high(b, "b"));
    b.connect(h, o);
    b.connect(inner, left, &high(b, "a"));
    b.connect(inner, right);
    b.connect(left, j);
    b.connect(right, j);
    b.connect(j, h);
    // Two loops on o: one on itself and one through k.
    b.connect(o, o, &high(b, "a"));
    b.use(step, b.connect(o, k, &high(b, "b")));
    b.connect(k, o);
    b.connect(o, r);
    const char* codes[] = {"00", "01", "10", "11"};
    int i = 0;
    for (State* s : {&r, &w, &n, &x, &y, &m, &h, &inner, &left, &right, &j, &o, &k})
        code(b, *s, codes[i++ % 4]);
    b.reset(r, b.condition("", "rst='1'", "rst==1"));
    implicit(b);
    std::string text = verified_text(e);
    EXPECT_TRUE(matches_golden("machines/implicit_nested.vhd", text));
    // Two loops on o: one WHILE on both conditions.
    EXPECT_NE(text.find("      WHILE (a = '1') OR\n            (b = '1') LOOP\n\n"),
              std::string::npos);
    expect_ghdl(text, {"nested"});
}

// The deepest nesting that verification accepts: each state goes one IF further in or back to
// the start, so the last state's wait stands 100 levels deep, at indentation 206.
TEST_F(ImplicitTextTest, NestingAHundredLevelsDeepIsWritten) {
    Entity& e = entity("deep");
    MachineBuilder b(design, machine_of(e));
    std::vector<State*> chain;
    for (int i = 0; i <= kMaxPathDepth; ++i)
        chain.push_back(&b.state("s" + std::to_string(i)));
    Label& deeper = high(b, "a");
    for (int i = 0; i < kMaxPathDepth; ++i) {
        b.connect(*chain[i], *chain[i + 1], &deeper);
        b.connect(*chain[i], *chain[0]);
    }
    b.connect(*chain.back(), *chain[0]);
    for (State* s : chain)
        code(b, *s, "01");
    b.reset(*chain[0], b.condition("", "rst='1'", "rst==1"));
    implicit(b);
    std::string text = verified_text(e);
    std::string pad(2 * kMaxPathDepth + 6, ' ');
    EXPECT_NE(
        text.find("\n" + pad + "WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- s100\n"),
        std::string::npos);
    EXPECT_NE(text.find("\n      END IF ;\n\n    END LOOP resetloop ;\n"), std::string::npos);
    expect_ghdl(text, {"deep"});
}

TEST_F(ImplicitTextTest, WithoutResetThereIsNoResetLoopAndNoNext) {
    Entity& e = entity("lonely", false);
    MachineBuilder b(design, machine_of(e));
    State& only = b.state("only");
    b.use(b.action("", "p <= '1' ;", "p = 1'b1 ;"), b.connect(only, only));
    code(b, only, "10");
    implicit(b);
    std::string text = verified_text(e);
    EXPECT_TRUE(matches_golden("machines/implicit_no_reset.vhd", text));
    EXPECT_EQ(text.find("resetloop"), std::string::npos);
    EXPECT_EQ(text.find("NEXT"), std::string::npos);
    EXPECT_NE(text.find("      WAIT UNTIL (clk'event AND (clk = '1')) ;  -- only\n"),
              std::string::npos);
    expect_ghdl(text, {"lonely"});
}

TEST_F(ImplicitTextTest, FallingEdgeAndLowerCaseKeywords) {
    design.keyword_case = kKeywordLower;
    Entity& e = sequence_machine();
    MachineBuilder b(design, machine_of(e));
    MachineOptionsFields fields = b.options();
    fields.clock_edge = kClockFallingEdge;
    b.options(fields);
    std::string text = verified_text(e);
    EXPECT_NE(text.find("      wait until (clk'event and (clk = '0')) or (rst='1') ;  -- idle\n"
                        "      next resetloop when (rst='1') ;\n"),
              std::string::npos)
        << text;
    expect_ghdl(text, {"sequence"});
}

TEST_F(ImplicitTextTest, VerilogGetsTheNoticeInALegalModule) {
    Entity& e = sequence_machine();
    std::string text = verified_text(e, kLanguageVerilog);
    EXPECT_TRUE(matches_golden("machines/implicit_notice.v", text));
    EXPECT_NE(text.find("\n// Implicit State Diagrams not implemented in Verilog.\n"),
              std::string::npos);
    if (!tool_available("iverilog")) return;
    hdl_text_test::write_file(project.path() / "m.v", text);
    EXPECT_TRUE(tool_succeeds({"iverilog", "-o", "m.vvp", "m.v"}, project.path()));
}

// A block diagram whose only process is an implicit machine: the process is named after the
// diagram's process.
TEST_F(ImplicitTextTest, AProcessOfABlockDiagramIsNamedAfterIt) {
    using namespace hdl_text_test;
    Entity& top = add_entity_named(design, "board");
    add_port(top, "clk", kModeIn);
    add_port(top, "rst", kModeIn);
    add_port(top, "go", kModeIn);
    add_port(top, "z", kModeOut).register_flag = true;
    Architecture& arch = add_arch(top, kArchitectureBlockDiagram, "structure");
    Process& proc =
        add_process(*arch.block_diagram, arch, new_process("pulser", kProcessStateDiagram));
    if (!proc.state_machine) proc.state_machine = std::make_unique<StateMachine>();
    Port& clk = add_process_port(proc, "clk", kModeIn, 0);
    clk.special_function = kFunctionClock;
    Port& rst = add_process_port(proc, "rst", kModeIn, 0);
    rst.special_function = kFunctionReset;
    Port& go = add_process_port(proc, "go", kModeIn, 0);
    Port& z = add_process_port(proc, "z", kModeOut, 0);
    for (auto [name, port] : {std::pair{"clk", &clk}, {"rst", &rst}, {"go", &go}, {"z", &z}}) {
        Net& net = with_class(add_net(arch, name), 3);
        attach_process(net, proc, *port);
        attach_port(net, arch, name);
    }
    MachineBuilder b(design, *proc.state_machine);
    State& off = b.state("off");
    State& on = b.state("lit");
    b.connect(off, on, &b.condition("", "go = '1'", "go"));
    b.connect(off, off);
    b.connect(on, off);
    b.use(b.action("", "z <= '0' ;", "z = 0 ;"), off);
    b.use(b.action("", "z <= '1' ;", "z = 1 ;"), on);
    b.reset(off, b.condition("", "rst='0'", "rst==0"));
    implicit(b);
    std::vector<std::string> lines = verify_machine(design, top, arch, &proc);
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    ASSERT_TRUE(machine_errors(lines).empty()) << all;
    std::string text = variant_text(design, top, kLanguageVhdl);
    EXPECT_TRUE(matches_golden("machines/implicit_process.vhd", text));
    EXPECT_NE(text.find(" pulser: PROCESS\n\n  BEGIN\n"), std::string::npos);
    EXPECT_NE(text.find("\n  END PROCESS pulser ;\n"), std::string::npos);
    expect_ghdl(text, {"board"});
}

} // namespace
