// What verification leaves in the machines for HDL generation, in each mode: the clock, reset
// and state register names, the reset level, whether the state vector has a range, and the
// done bits. The project comes from a shell script as in the golden scenarios; verification
// runs in this process, with the hooks the program installs, so that the machines can be
// looked at afterwards.
#include "machine_verify_support.h"

#include "blockdiagram/verify_run.h"
#include "design/process.h"
#include "design/status_flags.h"
#include "shell/machine_verify_hooks.h"

namespace zeph::machine_verify_testing {
namespace {

// An architecture machine with all three special ports, and a block diagram whose process p1
// has them on connect-by-name signals sysclk, rst and state that process p2 drives and reads.
const char* const kScript = R"(add-component 2560 1024 u1 arch_fsm state
add-port in 2566 1100 clk
add-port in 2566 1228 rst
add-port out 3066 1100 st
edit-port 2560 1100 function=clock
edit-port 2560 1228 function=reset
edit-port 3072 1100 function=state-register left=1 right=0
select-object component u1
answer yes
delete
add-component 1024 1024 u0 bench block
diagram bench
add-process 1024 1024 state p1
add-process 2560 1024 hdl p2
add-port in 1030 1100
add-port in 1030 1300
add-port out 1530 1100
edit-port 1024 1100 function=clock
edit-port 1024 1300 function=reset
edit-port 1536 1100 function=state-register
add-port out 2566 1100
add-port out 2566 1300
add-port in 2566 1500
answer sysclk
tag 960 1100
answer rst
tag 960 1300
answer state
tag 1600 1100
answer sysclk
tag 2496 1100
answer rst
tag 2496 1300
answer state
tag 2496 1500
)";

class MachineFieldsTest : public MachineVerifyTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(draw_blocks(kScript));
        for (auto& e : design.entities) {
            if (e->name == "arch_fsm") arch = e->architectures.front().get();
            if (e->name == "bench") bench = e->architectures.front().get();
        }
        ASSERT_TRUE(arch != nullptr && bench != nullptr);
        MachineDrawing m(design, *arch->state_machine);
        draw_ring(m, 4, "rst = '1'");
        add_state_machine_checks(options.hooks, design);
    }
    // States in a ring, reset into the first, under Binary codes.
    static void draw_ring(MachineDrawing& m, int states, const std::string& reset) {
        m.options(kStyleExplicit, kAssignmentBinary);
        std::vector<State*> s;
        for (int i = 0; i < states; ++i)
            s.push_back(&m.state("s" + std::to_string(i)));
        for (std::size_t i = 0; i < s.size(); ++i)
            m.connect(*s[i], *s[(i + 1) % s.size()]);
        m.reset(*s[0], m.condition("r", reset));
        m.use(m.action("act", "y <= '1';"), *s[0]);
    }
    Process& process(const char* name) {
        for (auto& p : bench->block_diagram->processes)
            if (p->name == name) return *p;
        throw std::runtime_error(name);
    }
    StateMachine& p1() { return *process("p1").state_machine; }
    void draw_p1(int states) {
        MachineDrawing m(design, p1());
        draw_ring(m, states, "rst = False");
    }
    bool reported(const std::string& text) const {
        for (const std::string& line : platform.report_lines())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }

    static constexpr unsigned kDone = kStatusPhase1 | kStatusPhase2 | kStatusPhase3;
    ui::ScriptedPlatform platform;
    Report report{platform};
    VerifyOptions options;
    Architecture* arch = nullptr;
    Architecture* bench = nullptr;
};

TEST_F(MachineFieldsTest, AWholeDesignRunFillsTheFieldsFromPortsAndSignals) {
    draw_p1(4);
    verify_design(design, options, report);
    const StateMachine& a = *arch->state_machine;
    EXPECT_EQ(a.clock_port, "clk");
    EXPECT_EQ(a.reset_port, "rst");
    EXPECT_FALSE(a.reset_level);
    EXPECT_EQ(a.state_port, "st");
    EXPECT_TRUE(a.state_vector_ranged);
    EXPECT_EQ(arch->status & kDone, kDone);

    EXPECT_EQ(p1().clock_port, "sysclk");
    EXPECT_EQ(p1().reset_port, "rst");
    EXPECT_TRUE(p1().reset_level);
    EXPECT_EQ(p1().state_port, "state");
    // Two bits of code on a one-bit signal; the error stops phase 3.
    EXPECT_TRUE(reported("State Register port has incorrect size (bus of 2 bits required)"));
    EXPECT_EQ(process("p1").status & kDone, kStatusPhase1 | kStatusPhase2);
}

TEST_F(MachineFieldsTest, AOneBitCodeOnAScalarPortHasNoRange) {
    draw_p1(2);
    verify_design(design, options, report);
    EXPECT_FALSE(p1().state_vector_ranged);
    EXPECT_EQ(process("p1").status & kDone, kDone);
    // Nothing at all: both machines can be written.
    EXPECT_FALSE(reported("State Register"));
    EXPECT_FALSE(reported("Error    60"));
    EXPECT_EQ(report.errors(), 0);
}

TEST_F(MachineFieldsTest, OnlyTheWholeDesignAndTheQuickRunNameTheProcessSignals) {
    draw_p1(2);
    verify_design(design, options, report);
    ASSERT_EQ(p1().clock_port, "sysclk");
    // Mode 2 on the block diagram: its name checks start the machine afresh, and the names
    // of the signals wait for the next whole-design or quick run.
    design.current_entity = bench->entity;
    design.current_architecture = bench;
    verify_current(design, options, report);
    EXPECT_EQ(p1().clock_port, "");
    EXPECT_EQ(p1().state_port, "");
    EXPECT_EQ(p1().reset_port, "rst");
    quick_verify(design, *bench->entity, *bench, options, report);
    EXPECT_EQ(p1().clock_port, "sysclk");
    EXPECT_EQ(p1().state_port, "state");
    // Mode 1 on the process.
    design.current_process = &process("p1");
    verify_current(design, options, report);
    EXPECT_EQ(p1().clock_port, "");
    EXPECT_EQ(process("p1").status & kDone, kDone);
}

TEST_F(MachineFieldsTest, TheQuickRunReportsAResetSignalThatTheConditionDoesNotName) {
    draw_p1(2);
    verify_design(design, options, report);
    p1().reset_port = "reset"; // as a condition naming another signal left it
    quick_verify(design, *bench->entity, *bench, options, report);
    EXPECT_TRUE(reported("Error    25: Reset port flag found on port named 'rst' while reset "
                         "condition requests name 'reset'"));
}

} // namespace
} // namespace zeph::machine_verify_testing
