// Scenarios with the real zeph program drawing block diagrams from batch scripts in a real
// project directory: a whole diagram drawn, saved and reloaded without a byte of its design
// file changing; edits undone through the shell; refusals and unanswered questions that
// leave the diagram as it was.
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

// Two components of new entities wired together, a third one of a state-diagram entity fed by
// a process, diagram ports wired to the components, an 8-bit bus with an index entry and a
// slice entry whose stubs are wired on, two tagged diagram ports, a generic and a text.
const char* const kDrawing = R"(save-as counter.vdp
add-component 1024 1024 u0 alu
add-component 2560 1024 u1 regs hdl
add-component 2560 2560 u2 decode state
add-port in 1024 1100 a
add-port in 1024 1300 b
add-port out 1536 1100 y
add-port in 2560 1100 d
add-port out 3072 1100 q
add-port in 2560 2700 sel
wire 1600 1100 2496 1100
add-port in 256 1100 clk
wire 320 1100 960 1100
add-port in 256 1300 en
wire 320 1300 960 1300
add-port out 5800 1100 result
wire 3136 1100 5736 1100
edit-port 5800 1100 left=7 right=0
add-process 1024 2560 hdl control
add-port out 1536 2700
wire 1600 2700 2496 2700
wire 1200 3700 4000 3700
edit-net 1300 3700 name=data left=7 right=0
add-bus-entry 1400 3700
add-bus-entry 1800 3700
edit-entry 1432 3732 index=0
edit-entry 1832 3732 slice=yes left=3 right=1
wire 1464 3764 1464 4000 2200 4000
wire-vertical-first 1864 3764 2400 3900
add-port out 5800 2000 flag
tag 5736 2000
add-port in 256 2000 start
tag 320 2000
edit-tag 320 2000 go
add-generic 4500 300 width
add-text 4500 600 counter with decoder
list-diagram
save
undo-info
exit
)";

class DiagramDrawingTest : public ::testing::Test {
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
    // Reopens the drawn project and runs the commands on it.
    ZephResult on_project(const std::string& commands) { return script(commands, {"counter.vdp"}); }
    std::string saved_design() const { return read_file(dir / "counter.vdp/design/design.vdf"); }

    static std::vector<std::string> lines_of(const std::string& out, const std::string& channel) {
        std::vector<std::string> found;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (line.rfind(channel + ": ", 0) == 0) found.push_back(line);
        return found;
    }

    ScratchDir dir;
};

void expect_design_golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(ZEPH_SOURCE_DIR) + "/tests/golden/blockdiagram/" + name;
    if (const char* update = std::getenv("ZEPH_UPDATE_GOLDEN"); update && *update == '1') {
        write_file(path, actual);
        return;
    }
    EXPECT_EQ(read_file(path), actual) << "golden file " << path;
}

TEST_F(DiagramDrawingTest, ADrawnDiagramSurvivesSaveAndReloadByteForByte) {
    ZephResult drawn = script(kDrawing);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    EXPECT_EQ(lines_of(drawn.out, "error"), std::vector<std::string>{}) << drawn.out;
    EXPECT_EQ(lines_of(drawn.out, "beep").size(), 1u) << drawn.out; // the missing settings file
    EXPECT_EQ(lines_of(drawn.out, "undo"), std::vector<std::string>{"undo: No undo (0)"});
    std::string first = saved_design();
    expect_design_golden("counter_design.vdf", first);
    std::vector<std::string> listing = lines_of(drawn.out, "diagram");
    ASSERT_GT(listing.size(), 30u);
    EXPECT_EQ(listing[0],
              "diagram: diagram a0 of Toplevel, sheet \"Size 5 Landscape\" 6400 x 4266, grid 64 shown");

    // Reloaded, the diagram lists the same; an edit and its undo make the design modified, and
    // saving it writes the very same file.
    ZephResult reloaded = on_project("list-diagram\nadd-text 300 3000 scratch\nundo\nsave\nexit\n");
    ASSERT_EQ(reloaded.status, 0) << reloaded.out << reloaded.err;
    EXPECT_EQ(lines_of(reloaded.out, "error"), std::vector<std::string>{}) << reloaded.out;
    EXPECT_EQ(lines_of(reloaded.out, "diagram"), listing);
    EXPECT_EQ(saved_design(), first);
}

TEST_F(DiagramDrawingTest, EditsUndoneThroughTheShellLeaveTheFileAsItWas) {
    ASSERT_EQ(script(kDrawing).status, 0);
    std::string first = saved_design();
    ZephResult edited = on_project(R"(select 2800 1500
move 3600 1024
undo
select 2800 1500
rotate
undo
stretch-h 2200 2360
undo
contract-v 2300 2364
undo
select-object component u0
answer yes
delete
undo
select-object net data
answer yes
delete
undo
select 1200 1500
answer u7
copy 4200 1300
undo
select 1200 2800
copy 4200 2560
undo
edit-net data name=bits
undo
edit-process 1200 2800 name=ctrl contents=state
edit-process 1200 2800 contents=hdl
undo
undo
sheet-defaults size=3 grid=no
undo
answer yes
clear
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

TEST_F(DiagramDrawingTest, RefusalsAndUnansweredQuestionsChangeNothing) {
    ASSERT_EQ(script(kDrawing).status, 0);
    std::string first = saved_design();
    ZephResult refused = on_project(R"(add-port in 256 1110
add-bus-entry 1000 1300
stretch-h 1200 1400
zoom-area 0 0 500 500
select-object component u1
delete
goto 100,
wire 10 10
undo
undo-info
save
exit
)");
    EXPECT_EQ(lines_of(refused.out, "beep"),
              (std::vector<std::string>{"beep: Position already occupied.", "beep: Net is not a bus.",
                                        "beep: Illegal position.", "beep: Illegal zoom range.",
                                        "beep: No y specified.", "beep: No undo"}))
        << refused.out;
    std::vector<std::string> errors = lines_of(refused.out, "error");
    ASSERT_EQ(errors.size(), 2u) << refused.out;
    EXPECT_EQ(errors[0].rfind("error: delete abandoned: question not answered: Delete selected object?", 0),
              0u)
        << errors[0];
    EXPECT_EQ(errors[1], "error: usage: wire X1 Y1 X2 Y2 [X Y...]");
    EXPECT_EQ(lines_of(refused.out, "undo"), std::vector<std::string>{"undo: No undo (0)"});
    EXPECT_EQ(saved_design(), first);
}

} // namespace
