// Whole verification reports of small state machines, compared line for line with golden
// files. Entities and ports come from shell scripts, the machines from the editing operations,
// the report from the real zeph program. Together the reports raise every message of the
// state machine checks in each of its forms.
#include "machine_verify_support.h"

#include "design/design_constructors.h"
#include "design/generic.h"
#include "design/process.h"

namespace zeph::machine_verify_testing {
namespace {

class GoldenMachineTest : public MachineVerifyTest {
  protected:
    Entity& entity(const std::string& name) {
        for (auto& e : design.entities)
            if (e->name == name) return *e;
        throw std::runtime_error("no entity " + name);
    }
    Port& port(const std::string& entity_name, const std::string& port_name) {
        for (auto& p : entity(entity_name).ports)
            if (p->name == port_name) return *p;
        throw std::runtime_error("no port " + port_name);
    }
    // Transitions without a condition from each state to the next and from the last back to
    // the first, and an action on the first state: a machine without findings of its own.
    static std::vector<State*> ring(MachineDrawing& m, const std::vector<std::string>& names) {
        std::vector<State*> states;
        for (const std::string& name : names)
            states.push_back(&m.state(name));
        for (std::size_t i = 0; i < states.size(); ++i)
            m.connect(*states[i], *states[(i + 1) % states.size()]);
        m.use(m.action("act", "y <= '1';"), *states.front());
        return states;
    }
};

TEST_F(GoldenMachineTest, StatesResetConditionsAndSpecialPorts) {
    ASSERT_NO_FATAL_FAILURE(draw_blocks(
        machine_entity(0, "empty_fsm", {"in clk clock"}, true) +
        machine_entity(1, "names_fsm", {"in clk clock", "in go"}) +
        machine_entity(2, "implicit_fsm", {"in clk clock"}) +
        machine_entity(3, "bad_reset", {"in clk clock"}) +
        machine_entity(4, "empty_reset", {"in clk clock"}) +
        machine_entity(5, "port_counts", {"in clk clock", "in clk2", "out st state-register"}) +
        machine_entity(6, "no_clock", {"in rst reset"}) +
        machine_entity(7, "wrong_ports", {"in clk clock", "in nrst reset"}) +
        machine_entity(8, "two_machines", {"in clk clock", "out st state-register"})));
    {
        MachineDrawing m = draw("names_fsm");
        std::vector<State*> s = ring(m, {"go", "width", "s3", "s4", "s5", "twice", "s7"});
        s[2]->name = "in";
        s[3]->name = "shared";
        s[4]->name = "9s";
        s[6]->name = "TWICE";
        auto g = new_generic();
        g->name = "width";
        g->type = 4;
        g->default_value = "8";
        entity("names_fsm").generics.push_back(std::move(g));
        entity("names_fsm").architectures.front()->generic_placements.resize(1);
    }
    {
        MachineDrawing m = draw("implicit_fsm");
        m.options(kStyleImplicit, kAssignmentNone);
        ring(m, {"a", "b"});
    }
    {
        MachineDrawing m = draw("bad_reset");
        std::vector<State*> s = ring(m, {"a", "b"});
        Label& rst = m.condition("rst", "rst = '1'");
        m.reset(*s[0], rst);
        rst.vhdl_text = "rst = '1' and\tenable = '1' or ready = '0'";
    }
    {
        MachineDrawing m = draw("empty_reset");
        std::vector<State*> s = ring(m, {"a", "b"});
        Transition& reset = m.reset(*s[0], m.condition("rst", "rst='1'"));
        use_label(reset.condition, nullptr);
        m.machine.condition_labels.clear();
    }
    {
        MachineDrawing m = draw("port_counts");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.reset(*s[0], m.condition("rst", "rst='1'"));
        port("port_counts", "clk2").special_function = kFunctionClock;
    }
    {
        MachineDrawing m = draw("no_clock");
        ring(m, {"a", "b"});
    }
    {
        MachineDrawing m = draw("wrong_ports");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.reset(*s[0], m.condition("rst", "RST = '0'"));
        for (const char* name : {"clk", "nrst"})
            port("wrong_ports", name).range = {true, "3", "0", kDirectionDownto};
    }
    {
        // The State Register port is not used here, but another machine of the entity may.
        Entity& e = entity("two_machines");
        Architecture& second =
            add_architecture(e, new_architecture(kArchitectureStateDiagram, "other", &e));
        second.port_placements.resize(e.ports.size());
        MachineDrawing m = draw("two_machines");
        ring(m, {"a", "b"});
        MachineDrawing other(design, *second.state_machine);
        ring(other, {"c", "d"});
    }
    EXPECT_TRUE(matches_golden("structure.txt", verified()));
}

TEST_F(GoldenMachineTest, StateAssignments) {
    ASSERT_NO_FATAL_FAILURE(draw_blocks(machine_entity(0, "implicit_rest", {"in clk clock"}, true) +
                                        machine_entity(1, "hot_rest", {"in clk clock"}) +
                                        machine_entity(2, "binary_rest", {"in clk clock"}) +
                                        machine_entity(3, "no_assignment", {"in clk clock"}) +
                                        machine_entity(4, "hot_81", {"in clk clock"}) +
                                        machine_entity(5, "user_codes", {"in clk clock"}) +
                                        machine_entity(6, "user_short", {"in clk clock"})));
    {
        MachineDrawing m = draw("implicit_rest");
        m.options(kStyleImplicit, kAssignmentNone);
        std::vector<State*> s = ring(m, {"a"});
        m.connect(m.rest(), *s[0]);
    }
    {
        MachineDrawing m = draw("hot_rest");
        m.options(kStyleExplicit, kAssignmentOneHot);
        std::vector<State*> s = ring(m, {"a", "b"});
        m.connect(m.rest(), *s[0]);
    }
    {
        // Two codes of one bit, both taken: nothing is left for REST.
        MachineDrawing m = draw("binary_rest");
        m.options(kStyleExplicit, kAssignmentBinary);
        std::vector<State*> s = ring(m, {"a", "b"});
        m.connect(m.rest(), *s[0]);
    }
    {
        MachineDrawing m = draw("no_assignment");
        m.options(kStyleExplicit, kAssignmentNone);
        ring(m, {"a", "b"});
    }
    {
        MachineDrawing m = draw("hot_81");
        m.options(kStyleExplicit, kAssignmentOneHot);
        std::vector<std::string> names;
        for (int i = 1; i <= 81; ++i)
            names.push_back("s" + std::to_string(i));
        ring(m, names);
    }
    {
        MachineDrawing m = draw("user_codes");
        m.options(kStyleExplicit, kAssignmentUserDefined);
        std::vector<State*> s = ring(m, {"a", "b", "c", "d", "e"});
        const char* codes[] = {"", "001", "1", "10a", "001"};
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i]->code = codes[i];
    }
    {
        MachineDrawing m = draw("user_short");
        m.options(kStyleExplicit, kAssignmentUserDefined);
        std::vector<State*> s = ring(m, {"a", "b", "c"});
        for (State* state : s)
            state->code = "1";
    }
    EXPECT_TRUE(matches_golden("assignment.txt", verified()));
}

TEST_F(GoldenMachineTest, ActionAndConditionLabels) {
    ASSERT_NO_FATAL_FAILURE(
        draw_blocks(machine_entity(0, "implicit_labels", {"in clk clock"}, true) +
                    machine_entity(1, "explicit_labels", {"in clk clock"}) +
                    machine_entity(2, "exported", {"in clk clock", "out st state-register"})));
    {
        MachineDrawing m = draw("implicit_labels");
        m.options(kStyleImplicit, kAssignmentNone);
        ring(m, {"a"});
        m.action("init", "y <= '0';", kDefaultOnStates);
        m.action("clear", "y <= '0';", kDefaultOnTransitions);
    }
    {
        MachineDrawing m = draw("explicit_labels");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.action("init", "y <= '0';", kDefaultOnStates);
        m.action("spare", "z <= '1';");
        m.action("", "w <= '1';");
        Label& vhdl_only = m.action("vhdl_only", "v <= '1';");
        vhdl_only.verilog_text.clear();
        m.use(m.action("verilog_only", "", 0, "u = 1;"), *s[1]);
        m.condition("unused", "x = '1'");
        m.set_condition(*m.machine.transitions[0], &m.condition("no_text", ""));
    }
    {
        // No action label, but the state register goes to a port.
        MachineDrawing m = draw("exported");
        m.options(kStyleExplicit, kAssignmentBinary);
        ring(m, {"a", "b"});
        m.machine.action_labels.clear();
        for (auto& state : m.machine.states)
            state->action_usages.clear();
    }
    EXPECT_TRUE(matches_golden("labels.txt", verified()));
}

TEST_F(GoldenMachineTest, Transitions) {
    ASSERT_NO_FATAL_FAILURE(
        draw_blocks(machine_entity(0, "one_state", {"in clk clock"}, true) +
                    machine_entity(1, "one_implicit", {"in clk clock"}) +
                    machine_entity(2, "reset_only", {"in clk clock", "in rst reset"}) +
                    machine_entity(3, "sheet_ends", {"in clk clock", "in rst reset"}) +
                    machine_entity(4, "no_exit_implicit", {"in clk clock", "in rst reset"}) +
                    machine_entity(5, "no_exit_explicit", {"in clk clock"}) +
                    machine_entity(6, "unconditional", {"in clk clock"}) +
                    machine_entity(7, "no_empty", {"in clk clock", "in rst reset"}) +
                    machine_entity(8, "shared_actions", {"in clk clock"})));
    {
        MachineDrawing m = draw("one_state");
        m.use(m.action("act", "y <= '1';"), m.state("a"));
    }
    {
        MachineDrawing m = draw("one_implicit");
        m.options(kStyleImplicit, kAssignmentNone);
        m.use(m.action("act", "y <= '1';"), m.state("a"));
    }
    {
        // Only the reset transition: as if there were no transitions.
        MachineDrawing m = draw("reset_only");
        State& a = m.state("a");
        m.use(m.action("act", "y <= '1';"), a);
        m.reset(a, m.condition("rst", "rst = '1'"));
    }
    {
        MachineDrawing m = draw("sheet_ends");
        m.options(kStyleImplicit, kAssignmentNone);
        std::vector<State*> s = ring(m, {"a", "b"});
        m.reset(*s[0], m.condition("rst", "rst = '1'"));
        m.global(*s[1], &m.condition("go", "go = '1'"));
        m.global(*s[0]);
        m.loose(*s[1], {4000, 3000});
        m.set_condition(*m.machine.transitions.back(), &m.condition("stop", "stop = '1'"));
    }
    {
        // b only loops on itself and nothing enters c.
        MachineDrawing m = draw("no_exit_implicit");
        m.options(kStyleImplicit, kAssignmentNone);
        State& a = m.state("a");
        State& b = m.state("b");
        State& c = m.state("c");
        m.reset(a, m.condition("rst", "rst = '1'"));
        m.connect(a, b);
        m.connect(b, b);
        m.connect(c, a);
        m.use(m.action("act", "y <= '1';"), a);
    }
    {
        MachineDrawing m = draw("no_exit_explicit");
        State& a = m.state("a");
        State& b = m.state("b");
        State& c = m.state("c");
        m.connect(a, b);
        m.connect(b, b);
        m.connect(c, a);
        m.use(m.action("act", "y <= '1';"), a);
    }
    {
        // a: two exits without condition; b: three; c: one, before a conditional one.
        MachineDrawing m = draw("unconditional");
        std::vector<State*> s = ring(m, {"a", "b", "c"});
        Label& x = m.condition("x", "x = '1'");
        m.connect(*s[0], *s[2]);
        m.set_priority(m.connect(*s[0], *s[0], &x), 0);
        m.connect(*s[1], *s[1]);
        m.connect(*s[1], *s[0]);
        m.connect(*s[2], *s[1], &x);
    }
    {
        MachineDrawing m = draw("no_empty");
        m.options(kStyleImplicit, kAssignmentNone);
        State& a = m.state("a");
        State& b = m.state("b");
        m.reset(a, m.condition("rst", "rst = '1'"));
        m.connect(a, b, &m.condition("x", "x = '1'"));
        m.connect(b, a, &m.condition("y", "y = '1'"));
        m.use(m.action("act", "z <= '1';"), a);
    }
    {
        MachineDrawing m = draw("shared_actions");
        std::vector<State*> s = ring(m, {"a", "b"});
        Label& lamp = m.action("lamp", "lamp <= '1';");
        m.use(lamp, *s[1]);
        m.use(lamp, *m.machine.transitions[0]);
        m.use(lamp, m.global(*s[1], &m.condition("go", "go = '1'")));
    }
    EXPECT_TRUE(matches_golden("transitions.txt", verified()));
}

TEST_F(GoldenMachineTest, IndependentParts) {
    ASSERT_NO_FATAL_FAILURE(
        draw_blocks(machine_entity(0, "two_groups", {"in clk clock", "in rst reset"}, true) +
                    machine_entity(1, "implicit_groups", {"in clk clock", "in rst reset"}) +
                    machine_entity(2, "joined", {"in clk clock"})));
    for (const char* name : {"two_groups", "implicit_groups"}) {
        MachineDrawing m = draw(name);
        if (std::string(name) == "implicit_groups") m.options(kStyleImplicit, kAssignmentNone);
        std::vector<State*> s = ring(m, {"a", "b", "c", "d"});
        // a and b, c and d.
        m.machine.transitions.clear();
        m.connect(*s[0], *s[1]);
        m.connect(*s[1], *s[0]);
        m.connect(*s[2], *s[3]);
        m.connect(*s[3], *s[2]);
        m.reset(*s[0], m.condition("rst", "rst = '1'"));
    }
    {
        // c is reached from nowhere, but leads into the part of a and b.
        MachineDrawing m = draw("joined");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.connect(m.state("c"), *s[0]);
    }
    EXPECT_TRUE(matches_golden("parts.txt", verified()));
}

// Two state-diagram processes of a block diagram "twins" with the same identifier suffix
// (empty), one of them with a Reset port but no reset condition; and three in "bench": the reset
// port of p1 sits on the signal nrst that p2 drives while p1's reset condition names rst, and p3
// puts its 2-bit state register on a 4-bit bus.
const char* const kBench = R"(add-component 2560 1024 u6 twins block
select-object component u6
answer yes
delete
diagram twins
add-process 1024 1024 state t1
add-process 2560 1024 state t2
add-port in 1030 1100
add-port in 1030 1300
add-port in 2566 1100
edit-port 1024 1100 function=clock
edit-port 1024 1300 function=reset
edit-port 2560 1100 function=clock
diagram Toplevel
add-component 1024 1024 u0 bench block
diagram bench
add-port in 256 1100 clk
add-port in 256 700 clk2
add-port in 256 2600 clk3
add-port out 3500 2600 st
edit-port 3500 2600 left=3 right=0
add-process 1024 1024 state p1
add-process 2560 1024 state p2
add-process 1024 2560 state p3
add-port in 1030 1100
add-port in 1530 1300
add-port in 2566 1100
add-port out 2566 1300
add-port in 1030 2600
add-port out 1530 2600
edit-port 1024 1100 function=clock
edit-port 1536 1300 function=reset
edit-port 2560 1100 function=clock
edit-port 1024 2600 function=clock
edit-port 1536 2600 function=state-register
wire 320 1100 960 1100
wire 320 700 2496 700 2496 1100
wire 1600 1300 2496 1300
edit-net 2000 1300 name=nrst
wire 320 2600 960 2600
wire 1600 2600 3436 2600
edit-net 2000 2600 name=state_bits left=3 right=0
)";

TEST_F(GoldenMachineTest, StateRegisterConditionsAndProcesses) {
    ASSERT_NO_FATAL_FAILURE(draw_blocks(
        machine_entity(1, "register_wide", {"in clk clock", "out st state-register"}) +
        machine_entity(2, "register_hot", {"in clk clock", "out st state-register"}) +
        machine_entity(3, "register_scalar", {"in clk clock", "out st state-register"}) +
        machine_entity(4, "duplicates", {"in clk clock"}) +
        machine_entity(5, "implicit_ok", {"in clk clock", "in rst reset"}) + kBench));
    {
        MachineDrawing m = draw("register_wide");
        m.options(kStyleExplicit, kAssignmentBinary);
        ring(m, {"a", "b", "c"});
        port("register_wide", "st").range = {true, "3", "0", kDirectionDownto};
    }
    {
        MachineDrawing m = draw("register_hot");
        m.options(kStyleExplicit, kAssignmentOneHot);
        ring(m, {"a"});
    }
    {
        MachineDrawing m = draw("register_scalar");
        m.options(kStyleExplicit, kAssignmentBinary);
        ring(m, {"a", "b"});
    }
    {
        // Two global transitions under c; b leaves under c too; a leaves twice under d.
        MachineDrawing m = draw("duplicates");
        State& a = m.state("a");
        State& b = m.state("b");
        Label& c = m.condition("c", "c = '1'");
        Label& d = m.condition("d", "d = '1'");
        m.global(a, &c);
        m.global(b, &c);
        m.connect(a, b, &d);
        m.connect(a, a, &d);
        m.connect(a, b);
        m.connect(b, a, &c);
        m.connect(b, a);
        m.use(m.action("act", "y <= '1';"), a);
    }
    {
        MachineDrawing m = draw("implicit_ok");
        m.options(kStyleImplicit, kAssignmentNone);
        std::vector<State*> s = ring(m, {"a", "b"});
        m.reset(*s[0], m.condition("rst", "rst = '1'"));
    }
    {
        MachineDrawing m = draw("bench", "p1");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.reset(*s[0], m.condition("rst", "rst = '1'"));
    }
    {
        MachineDrawing m = draw("bench", "p2");
        ring(m, {"a", "b"});
        m.machine.identifier_suffix = "_2";
    }
    for (const char* twin : {"t1", "t2"}) {
        MachineDrawing m = draw("twins", twin);
        ring(m, {"a", "b"});
    }
    {
        MachineDrawing m = draw("bench", "p3");
        m.options(kStyleExplicit, kAssignmentBinary);
        ring(m, {"a", "b", "c"});
        m.machine.block_separation = true;
    }
    EXPECT_TRUE(matches_golden("control.txt", verified()));
}

// Verilog rules and texts: reserved words and identifiers of Verilog, the Verilog text of
// labels and the Verilog form of the reset condition.
TEST_F(GoldenMachineTest, VerilogRules) {
    ASSERT_NO_FATAL_FAILURE(
        draw_blocks("setup language verilog rules verilog\n" +
                    machine_entity(0, "names", {"in clk clock", "in rst reset"}, true) +
                    machine_entity(1, "texts", {"in clk clock", "in rst reset"})));
    {
        MachineDrawing m = draw("names");
        std::vector<State*> s = ring(m, {"s1", "s2", "s3"});
        s[0]->name = "always";
        s[1]->name = "9s";
        m.reset(*s[2], m.condition("rst", "rst = '1'", "rst == 1"));
    }
    {
        MachineDrawing m = draw("texts");
        std::vector<State*> s = ring(m, {"a", "b"});
        m.use(m.action("vhdl_only", "y <= '0';", 0, ""), *s[1]);
        m.machine.action_labels.back()->verilog_text.clear();
        Label& rst = m.condition("rst", "rst = '1'", "rst == 1");
        m.reset(*s[0], rst);
        rst.verilog_text = "rst === 1";
    }
    EXPECT_TRUE(matches_golden("verilog.txt", verified()));
}

// The transition list is put in its order by verification; the saved design shows it, and a
// second verification leaves it as it is.
TEST_F(GoldenMachineTest, TheSortedTransitionListIsSavedAndStable) {
    ASSERT_NO_FATAL_FAILURE(
        draw_blocks(machine_entity(0, "traffic", {"in clk clock", "in rst reset"}, true)));
    {
        MachineDrawing m = draw("traffic");
        State& red = m.state("red");
        State& green = m.state("green");
        State& yellow = m.state("yellow");
        Label& go = m.condition("go", "go = '1'");
        Label& alarm = m.condition("alarm", "alarm = '1'");
        m.connect(yellow, red);
        m.connect(green, yellow, &go);
        m.connect(red, green, &go);
        m.global(red, &alarm);
        m.connect(red, red);
        m.reset(red, m.condition("rst", "rst = '1'"));
        m.connect(green, green);
        m.use(m.action("lamp", "lamp <= '1';"), red);
    }
    save_design();
    std::string drawn = shell_test::read_file(design_file());
    std::string report = report_of("verify-design\nsave\n");
    std::string first = shell_test::read_file(design_file());
    EXPECT_EQ(report, "\n0 errors, 0 warnings, and 0 notes in this design.\n");
    design = Design();
    ASSERT_EQ(read_design_text(first, design), 0);
    std::vector<std::string> order;
    for (const auto& t : draw("traffic").machine.transitions)
        order.push_back((t->reset  ? std::string("reset")
                         : t->from ? t->from->name
                                   : "global") +
                        ":" + std::to_string(t->priority));
    EXPECT_EQ(order, (std::vector<std::string>{"reset:10000", "global:0", "red:1", "red:2",
                                               "green:1", "green:2", "yellow:1"}));
    EXPECT_NE(first, drawn);
    report_of("verify-design\nsave\n");
    // Only the time stamp (the third line) may differ.
    auto body = [](const std::string& text) {
        std::size_t cut = 0;
        for (int line = 0; line < 3; ++line)
            cut = text.find('\n', cut) + 1;
        return text.substr(cut);
    };
    EXPECT_EQ(body(shell_test::read_file(design_file())), body(first));
}

// The control structure of implicit machines: a self-loop after a leaving transition, IF
// branches that meet at different states, a loop through states that is left from inside, and
// the same loop without that exit, which is accepted without any message.
TEST_F(GoldenMachineTest, ImplicitControlStructure) {
    const std::vector<std::string> ports = {"in clk clock", "in rst reset"};
    ASSERT_NO_FATAL_FAILURE(draw_blocks(
        machine_entity(0, "late_loop", ports, true) + machine_entity(1, "entangled", ports) +
        machine_entity(2, "loop_exit", ports) + machine_entity(3, "loop_ok", ports)));
    {
        MachineDrawing m = draw("late_loop");
        m.options(kStyleImplicit, kAssignmentNone);
        State& a = m.state("a");
        State& b = m.state("b");
        m.reset(a, m.condition("rst", "rst = '1'"));
        m.connect(a, b);
        m.connect(b, a, &m.condition("x", "x = '1'"));
        m.connect(b, b);
        m.use(m.action("act", "y <= '1';"), a);
        m.finish();
    }
    {
        MachineDrawing m = draw("entangled");
        m.options(kStyleImplicit, kAssignmentNone);
        State& r = m.state("r");
        State& n = m.state("n");
        State& m1 = m.state("m1");
        State& m2 = m.state("m2");
        m.reset(r, m.condition("rst", "rst = '1'"));
        m.connect(r, n);
        m.connect(n, m1, &m.condition("c", "c = '1'"));
        m.connect(n, m2, &m.condition("d", "d = '1'"));
        m.connect(n, m1);
        m.connect(m1, m2);
        m.connect(m2, r);
        m.use(m.action("act", "y <= '1';"), r);
        m.finish();
    }
    for (const char* name : {"loop_exit", "loop_ok"}) {
        MachineDrawing m = draw(name);
        m.options(kStyleImplicit, kAssignmentNone);
        State& r = m.state("r");
        State& h = m.state("h");
        State& b = m.state("b");
        State& p = m.state("p");
        State& q = m.state("q");
        State& j = m.state("j");
        State& out = m.state("leave");
        m.reset(r, m.condition("rst", "rst = '1'"));
        m.connect(r, h);
        m.connect(h, b, &m.condition("more", "more = '1'"));
        m.connect(h, out);
        m.connect(b, p, &m.condition("c", "c = '1'"));
        m.connect(b, q);
        if (std::string(name) == "loop_exit") m.connect(p, out, &m.condition("stop", "s = '1'"));
        m.connect(p, j);
        m.connect(q, j);
        m.connect(j, h);
        m.connect(out, r);
        m.use(m.action("act", "y <= '1';"), out);
        m.finish();
    }
    EXPECT_TRUE(matches_golden("implicit.txt", verified()));
}

} // namespace
} // namespace zeph::machine_verify_testing
