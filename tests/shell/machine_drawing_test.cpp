// Scenarios with the real zeph program drawing a state diagram from a batch script in a real
// project directory: the drawn machine saved, reopened and saved again without a byte of its
// design file changing; every kind of edit undone through the shell back to that file; the
// model's refusals and the label questions answered (or not) by the script; a new
// state-diagram architecture of an existing entity.
#include "golden_files.h"
#include "test_files.h"
#include "zeph_process.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using shell_test::read_file;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

// A traffic light: an entity whose architecture is a state diagram, with the clock and reset
// ports it needs, three states and REST, the reset transition, curved and drawn transitions,
// a global one, conditions and actions in both languages, a default action and Gray codes.
const char* const kDrawing = R"(save-as light.vdp
add-component 640 640 u0 light state
add-port in 640 704 clk
add-port in 640 832 rst
add-port in 640 960 car
add-port out 1152 704 red
add-port out 1152 832 green
edit-port 640 704 function=clock
edit-port 640 832 function=reset
diagram light a0
add-state 1024 1024 stop
answer ""
add-state 2560 1024
add-state 1792 2304 amber
add-rest 3584 2304
new-label condition reset vhdl="rst = '1'" verilog="rst == 1"
new-label condition go vhdl="car = '1'" verilog="car == 1"
new-label condition idle vhdl="car = '0'" verilog="car == 0"
new-label action red_on vhdl="red <= '1';" verilog="red = 1;"
new-label action green_on vhdl="green <= '1';" verilog="green = 1;"
new-label action all_off vhdl="red <= '0';\ngreen <= '0';" verilog="red = 0;\ngreen = 0;" states=yes
add-transition 256 256 stop
edit-transition 0 asynchronous=yes condition=reset
add-curve stop s1
edit-transition 1 condition=go
add-transition s1 2560 2304 amber
edit-transition 2 condition=idle
add-curve amber stop
add-transition 256 3000 stop
add-action state stop red_on
add-action state s1 green_on
machine-options assignment=gray
edit-state s1 name=pass
list-diagram
undo-info
save
undo-info
exit
)";

class MachineDrawingTest : public ::testing::Test {
  protected:
    ZephResult script(const std::string& commands, const std::vector<std::string>& more = {}) {
        write_file(dir / "run.zeph", commands);
        ZephRun run;
        run.args = {"--batch", dir / "run.zeph"};
        run.args.insert(run.args.end(), more.begin(), more.end());
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"},
                   {"HOME", dir.path()},
                   {"SOURCE_DATE_EPOCH", "1700000000"}};
        return run_zeph(run);
    }
    ZephResult on_project(const std::string& commands) { return script(commands, {"light.vdp"}); }
    std::string saved_design() const { return read_file(dir / "light.vdp/design/design.vdf"); }

    static std::vector<std::string> lines_of(const std::string& out, const std::string& channel) {
        std::vector<std::string> found;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (line.rfind(channel + ": ", 0) == 0) found.push_back(line);
        return found;
    }

    ScratchDir dir;
};

TEST_F(MachineDrawingTest, ADrawnMachineSurvivesSaveAndReloadByteForByte) {
    ZephResult drawn = script(kDrawing);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    EXPECT_EQ(lines_of(drawn.out, "error"), std::vector<std::string>{}) << drawn.out;
    EXPECT_EQ(lines_of(drawn.out, "undo"),
              (std::vector<std::string>{"undo: Undo (Ctrl-Z) (22)", "undo: No undo (0)"}));
    std::string first = saved_design();
    EXPECT_TRUE(zeph::testing_support::matches_golden_file("shell/light_design.vdf", first));
    std::vector<std::string> listing = lines_of(drawn.out, "diagram");
    EXPECT_TRUE(zeph::testing_support::matches_golden_file("shell/light_listing.txt", [&] {
        std::string text;
        for (const std::string& line : listing)
            text += line + "\n";
        return text;
    }()));

    ZephResult reloaded = on_project("diagram light a0\nlist-diagram\nsave\nexit\n");
    ASSERT_EQ(reloaded.status, 0) << reloaded.out << reloaded.err;
    EXPECT_EQ(lines_of(reloaded.out, "diagram"), listing);
    EXPECT_EQ(saved_design(), first);
}

TEST_F(MachineDrawingTest, EveryEditUndoesBackToTheSavedFile) {
    ASSERT_EQ(script(kDrawing).status, 0);
    std::string first = saved_design();
    ZephResult edited = on_project(R"(diagram light a0
add-state 3000 3000 extra
undo
answer ""
add-state 3000 3000
undo
copy-state stop 3000 3000 stop2
undo
delete-state amber
undo
edit-state stop number=2
undo
add-transition pass 3000 1800 stop
undo
add-curve pass pass
undo
move-point 1 25 1800 500
undo
move-segment 2 0 64 0
undo
delete-point 2 1
undo
delete-segment 2 0
undo
copy-transition 1 0 600
undo
delete-transition 1
undo
edit-transition 1 condition=
undo
add-curve stop amber
edit-transition 5 priority=1
undo
undo
new-label action spare vhdl="x <= '1';"
undo
edit-label action red_on name=red_lamp vhdl="red <= '1'; -- on"
undo
answer yes
delete-label action red_on
undo
add-action transition 1 green_on
undo
change-action state stop red_on green_on
undo
machine-options assignment=one-hot suffix=_tl
undo
machine-options decoding=if-else clock-edge=falling
undo
undo-info
save
exit
)");
    ASSERT_EQ(edited.status, 0) << edited.out << edited.err;
    EXPECT_EQ(lines_of(edited.out, "error"), std::vector<std::string>{}) << edited.out;
    EXPECT_EQ(lines_of(edited.out, "undo"), std::vector<std::string>{"undo: No undo (0)"});
    EXPECT_EQ(saved_design(), first);
}

TEST_F(MachineDrawingTest, RefusalsAndQuestionsLeaveTheMachineAsItWas) {
    ASSERT_EQ(script(kDrawing).status, 0);
    std::string first = saved_design();
    ZephResult refused = on_project(R"(diagram light a0
add-rest 3000 3000
add-transition stop REST
add-state 3000 3000 pass
edit-transition 3 asynchronous=yes condition=go
edit-transition 1 priority=5
machine-options assignment=one-hot transition-actions=clocked state-actions=combined
answer no
delete-label action all_off
edit-label action red_on transitions=yes
answer yes
answer no
delete-label action red_on
undo
delete-label condition go
new-label condition go
undo-info
save
exit
)");
    // Literal refusals come as message boxes, numbered messages on the status line.
    std::vector<std::string> shown;
    std::istringstream out(refused.out);
    for (std::string line; std::getline(out, line);)
        if (line.rfind("box: ", 0) == 0 || line.rfind("beep: ", 0) == 0) shown.push_back(line);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "box: [zeph] REST state already present.",
                         "box: [zeph] Transition to REST state not allowed.",
                         "beep: Error    48: Duplicate state name",
                         "box: [zeph] Reset Transition already defined.",
                         "beep: Error    50: '5' is not a legal value in this context",
                         "box: [zeph] Clocked actions on transitions and Comb.(in 1 Process) "
                         "actions on states not allowed.",
                         "beep: Error    48: Duplicate label name"}))
        << refused.out;
    // A No to the second question keeps the used label; the unanswered one abandons the
    // command.
    EXPECT_NE(refused.out.find("question: This label is default on transitions.\n"
                               "question: Delete? [yes/no]\nanswer: no\n"),
              std::string::npos)
        << refused.out;
    EXPECT_EQ(lines_of(refused.out, "error"),
              (std::vector<std::string>{"error: delete-label abandoned: question not answered: "
                                        "This label is still in use.",
                                        "error: Delete all uses?"}));
    EXPECT_EQ(lines_of(refused.out, "undo"), std::vector<std::string>{"undo: No undo (0)"});
    EXPECT_EQ(saved_design(), first);
}

TEST_F(MachineDrawingTest, AnEntityGetsAStateDiagramArchitecture) {
    ZephResult run = script(R"(save-as light.vdp
add-component 640 640 u0 light block
new-architecture light fsm state
new-architecture light fsm hdl
new-architecture light "9x" state
new-architecture light - state
diagram light fsm
add-state 1024 1024 idle
undo-info
diagram light a0
undo-info
diagram light fsm
undo
list-diagram
jump Toplevel
add-state 1024 1024
save
exit
)");
    EXPECT_EQ(lines_of(run.out, "added"),
              (std::vector<std::string>{"added: architecture fsm of light",
                                        "added: architecture a1 of light", "added: state idle"}))
        << run.out;
    EXPECT_EQ(lines_of(run.out, "undo"),
              (std::vector<std::string>{"undo: Undo (Ctrl-Z) (1)", "undo: No undo (0)"}));
    std::vector<std::string> errors = lines_of(run.out, "error");
    ASSERT_EQ(errors.size(), 1u) << run.out;
    EXPECT_EQ(errors[0], "error: the current diagram is not a state diagram; choose one with "
                         "'diagram' or 'jump'");
    EXPECT_EQ(lines_of(run.out, "diagram").size(), 1u) << run.out; // the options, no state
    std::string design = saved_design();
    EXPECT_NE(design.find("Architecture: fsm 3"), std::string::npos);
    EXPECT_NE(design.find("Architecture: a1 3"), std::string::npos);
}

} // namespace
