// The block-diagram road driven with the real zeph program, as a user drives it: drawing,
// saving, verifying and generating from scripts in real project directories, with the
// generated HDL handed to GHDL and Icarus Verilog. Connect-by-name tags on component ports
// through save, autobackup, a kill and the recovery; leaving after deleted components; a
// relative settings file; bus entries joined by a wire and processes wired to diagram ports in
// simulation and compilation; skeleton refreshes after edits; state diagrams; the options of
// the generation run; the process verification, the quick verification and the report
// window; the generic dialogs, process files and the About box.
#include "test_files.h"
#include "zeph_process.h"

#include "ui/child_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using shell_test::read_file;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

std::vector<std::string> lines_of(const std::string& out, const std::string& channel) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(channel + ": ", 0) == 0) found.push_back(line);
    return found;
}

std::size_t count_of(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The summary line of the last verification in the output.
std::string last_summary(const std::string& out) {
    std::string summary;
    for (const std::string& line : lines_of(out, "report"))
        if (contains(line, " errors, ") || contains(line, " error, ")) summary = line;
    return summary;
}

bool tool_available(const char* tool) {
    return ui::run_child_process({{tool, "--version"}, ""}).started;
}

class RoadTest : public ::testing::Test {
  protected:
    ZephRun run_of(const std::string& commands, const std::vector<std::string>& more) {
        write_file(dir / "run.zeph", commands);
        ZephRun run;
        run.args = {"--batch", dir / "run.zeph"};
        run.args.insert(run.args.end(), more.begin(), more.end());
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"},
                   {"HOME", dir.path()},
                   {"SOURCE_DATE_EPOCH", "1700000000"}};
        return run;
    }
    ZephResult script(const std::string& commands, const std::vector<std::string>& more = {}) {
        return run_zeph(run_of(commands, more));
    }
    void settings(const std::string& text) { write_file(dir / "config/zeph/zeph.ini", text); }
    std::string project_file(const std::string& project, const std::string& file) const {
        return dir / (project + ".vdp/" + file);
    }
    // The program ended by itself, without a sanitizer's report.
    static ::testing::AssertionResult ended_cleanly(const ZephResult& r) {
        if (r.status >= 0 && r.status < 2 && !contains(r.err, "Sanitizer") &&
            !contains(r.err, "runtime error"))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "status " << r.status << "\n" << r.err << r.out;
    }

    // GHDL analyses every VHDL file of the folder and elaborates `top`; Icarus compiles every
    // Verilog file. Each must accept what zeph wrote.
    void expect_tools_accept(const fs::path& folder, const std::string& top) {
        std::vector<std::string> vhdl, verilog;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::string ext = entry.path().extension().string();
            if (ext == ".vhd") vhdl.push_back(entry.path().filename().string());
            if (ext == ".v") verilog.push_back(entry.path().filename().string());
        }
        std::sort(vhdl.begin(), vhdl.end());
        std::string lib = dir / "ghdl";
        fs::create_directories(lib);
        if (!vhdl.empty() && tool_available("ghdl")) {
            for (const std::string& file : vhdl) {
                ui::ChildResult a = ui::run_child_process(
                    {{"ghdl", "-a", "--std=93", "--workdir=" + lib, file}, folder.string()});
                EXPECT_EQ(a.exit_code, 0) << file << ":\n" << a.output << read_file(folder / file);
            }
            ui::ChildResult e =
                ui::run_child_process({{"ghdl", "-e", "--std=93", "--workdir=" + lib, top}, lib});
            EXPECT_EQ(e.exit_code, 0) << e.output;
        }
        if (!verilog.empty() && tool_available("iverilog")) {
            std::vector<std::string> argv{"iverilog", "-o", dir / "design.vvp"};
            argv.insert(argv.end(), verilog.begin(), verilog.end());
            ui::ChildResult c = ui::run_child_process({argv, folder.string()});
            EXPECT_EQ(c.exit_code, 0) << c.output;
        }
    }

    ScratchDir dir;
};

// ---- connect-by-name tags on component ports ------------------------------------------------

// Two leaves wired only by tags named "link" on their ports, inside the block "sys".
const char* const kTaggedDrawing = R"(save-as tags.vdp
add-component 1024 1024 s0 sys
diagram sys
add-component 1024 1024 u0 src external
add-component 2560 1024 u1 dst external
add-port out 1536 1100 y
add-port in 2560 1100 d
tag 1600 1100
edit-tag 1600 1100 link
tag 2496 1100
edit-tag 2496 1100 link
verify-design
save
exit
)";

// The scenario of a user: tags drawn, saved, reopened and verified clean; another tagged
// component, an autobackup, a kill; the recovery verifies clean and still has every tag.
TEST_F(RoadTest, TagsOnComponentPortsSurviveSaveAutobackupKillAndRecovery) {
    settings("[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=1\n");
    ZephResult drawn = script(kTaggedDrawing);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    EXPECT_EQ(last_summary(drawn.out), "report: 0 errors, 0 warnings, and 0 notes in this design.");

    ZephResult reopened = script("verify-design\nexit\n", {"tags.vdp"});
    ASSERT_TRUE(ended_cleanly(reopened));
    EXPECT_EQ(last_summary(reopened.out),
              "report: 0 errors, 0 warnings, and 0 notes in this design.")
        << reopened.out;

    // A third tagged port, written only by the autobackup before the program is killed.
    ZephRun killed = run_of(R"(diagram sys
add-component 2560 2560 u2 sink external
add-port in 2560 2700 e
tag 2496 2700
edit-tag 2496 2700 link
wait 64
wait 100
)",
                            {"tags.vdp"});
    killed.kill_after_ms = 70000;
    ZephResult k = run_zeph(killed);
    EXPECT_EQ(k.status, 128 + 9) << k.out << k.err;
    ASSERT_TRUE(contains(k.out, "status: Autobackup done.\n")) << k.out;

    ZephResult recovered = script(R"(answer yes
answer yes
verify-design
diagram sys
list-diagram
answer no
exit
)",
                                  {"tags.vdp"});
    ASSERT_TRUE(ended_cleanly(recovered));
    EXPECT_TRUE(
        contains(recovered.out, "question: Do you want to recover it? [yes/no]\nanswer: yes\n"))
        << recovered.out;
    EXPECT_EQ(last_summary(recovered.out),
              "report: 0 errors, 0 warnings, and 0 notes in this design.")
        << recovered.out;
    std::string listing;
    for (const std::string& line : lines_of(recovered.out, "diagram"))
        listing += line + "\n";
    EXPECT_EQ(count_of(listing, "tag \"link\""), 3u) << listing;
}

// Leaving after deleting (or clearing) a tagged component in a diagram one level down ends
// the program normally: no undo step outlives the records it points into.
TEST_F(RoadTest, LeavingAfterDeletingTaggedComponentsEndsNormally) {
    const std::string drawing = R"(add-component 1024 1024 u0 blk
diagram blk
add-component 1024 1024 c0 cell external
add-port in 1024 1100 a
add-port out 1536 1100 b
tag 960 1100
)";
    ZephResult deleted =
        script(drawing + "select-object component c0\nanswer yes\ndelete\nanswer no\nexit\n");
    EXPECT_TRUE(ended_cleanly(deleted));
    EXPECT_EQ(deleted.status, 0) << deleted.out;
    // The input ends on the unanswered question about the changes: the project is abandoned.
    ZephResult cleared = script(drawing + "answer yes\nclear\n");
    EXPECT_TRUE(ended_cleanly(cleared));
    EXPECT_TRUE(contains(cleared.out, "Save changes?")) << cleared.out;
}

// ---- settings ---------------------------------------------------------------------------------

// "--settings cfg/zeph.ini" names the file in the directory zeph started in, for reading,
// loading again and writing, although the program works in the project directory.
TEST_F(RoadTest, ARelativeSettingsFileIsTheOneOfTheStartDirectory) {
    write_file(dir / "cfg/zeph.ini", "[Environment]\nBackupTime=7\n[Miscellaneous]\n"
                                     "Company=Relative Co\n");
    ZephRun run =
        run_of("answer yes\nload-settings\nnew\nsetup\nanswer yes\nsave-settings\nexit\n", {});
    run.args = {"--settings", "cfg/zeph.ini", "--batch", dir / "run.zeph"};
    ZephResult r = run_zeph(run);
    ASSERT_TRUE(ended_cleanly(r));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(contains(r.out, "question: Load settings file '" + (dir / "cfg/zeph.ini") + "'?"))
        << r.out;
    EXPECT_FALSE(contains(r.out, "Cannot open settings file")) << r.out;
    EXPECT_TRUE(contains(r.out, "setup: company            \"Relative Co\"\n")) << r.out;
    std::string kept = read_file(dir / "cfg/zeph.ini");
    EXPECT_TRUE(contains(kept, "BackupTime=7\n")) << kept;
    EXPECT_TRUE(contains(kept, "Company=Relative Co\n")) << kept;
}

// ---- bus entries ------------------------------------------------------------------------------

// Input bus a and output bus b of "tap"; an entry on a (bit 0) and one on b (bit 3) joined by
// a wire: b(3) takes its value from a(0), and only that way.
const char* const kTapDrawing = R"(save-as tap.vdp
setup vhdl93 yes
add-component 1024 1024 s0 tap
diagram tap
add-port in 256 1100 a
edit-port 256 1100 left=3 right=0
wire 320 1100 2000 1100
add-port out 5800 1100 b
edit-port 5800 1100 left=3 right=0
wire 5736 1100 4000 1100
add-bus-entry 1000 1100
edit-entry 1032 1132 index=0
add-bus-entry 4500 1100
edit-entry 4532 1132 index=3
wire 1064 1164 1064 2000 4564 2000 4564 1164
verify-design
generate root=tap
setup language verilog
verify-design
generate root=tap
save
exit
)";

const char* const kTapVhdlBench = R"(ENTITY tb IS END tb ;
ARCHITECTURE check OF tb IS
  SIGNAL a, b : Bit_Vector(3 DOWNTO 0) ;
BEGIN
  dut : ENTITY work.tap PORT MAP (a => a, b => b) ;
  stimulus : PROCESS
  BEGIN
    a <= "0001" ;
    WAIT FOR 10 ns ;
    ASSERT b(3) = '1' REPORT "b(3) differs from a(0) = 1" SEVERITY FAILURE ;
    a <= "1110" ;
    WAIT FOR 10 ns ;
    ASSERT b(3) = '0' REPORT "b(3) differs from a(0) = 0" SEVERITY FAILURE ;
    REPORT "tap passed" ;
    WAIT ;
  END PROCESS ;
END check ;
)";

const char* const kTapVerilogBench = R"(module tb ;
  reg [3:0] a ;
  wire [3:0] b ;
  tap dut (.a(a), .b(b)) ;
  initial begin
    a = 4'b0001 ;
    #10 if (b[3] !== 1'b1) $display("FAIL b[3] %b for a %b", b[3], a) ;
    a = 4'b1110 ;
    #10 if (b[3] !== 1'b0) $display("FAIL b[3] %b for a %b", b[3], a) ;
    if (a !== 4'b1110) $display("FAIL a changed to %b", a) ;
    $display("tap done") ;
    $finish ;
  end
endmodule
)";

TEST_F(RoadTest, AWireBetweenTwoBusEntriesIsDrivenFromTheDrivenBusOnly) {
    ZephResult r = script(kTapDrawing);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    fs::path output = project_file("tap", "output");
    std::string vhdl = read_file(output / "tap.vhd");
    std::string verilog = read_file(output / "tap.v");
    EXPECT_EQ(count_of(vhdl, "<="), 1u) << vhdl;
    EXPECT_TRUE(contains(vhdl, "\n b(3) <= a(0) ;\n")) << vhdl;
    EXPECT_EQ(count_of(verilog, "assign "), 1u) << verilog;
    EXPECT_TRUE(contains(verilog, "\n assign b[3] = a[0] ;\n")) << verilog;

    std::string lib = dir / "ghdl";
    fs::create_directories(lib);
    if (tool_available("ghdl")) {
        write_file(output / "tb.vhd", kTapVhdlBench);
        for (const char* file : {"tap.vhd", "tb.vhd"}) {
            ui::ChildResult a = ui::run_child_process(
                {{"ghdl", "-a", "--std=93", "--workdir=" + lib, file}, output.string()});
            ASSERT_EQ(a.exit_code, 0) << file << ": " << a.output;
        }
        ui::ChildResult run = ui::run_child_process(
            {{"ghdl", "--elab-run", "--std=93", "--workdir=" + lib, "tb"}, lib});
        EXPECT_EQ(run.exit_code, 0) << run.output;
        EXPECT_TRUE(contains(run.output, "tap passed")) << run.output;
    }
    if (tool_available("iverilog")) {
        write_file(output / "tb.v", kTapVerilogBench);
        ui::ChildResult c =
            ui::run_child_process({{"iverilog", "-o", "tb.vvp", "tap.v", "tb.v"}, output.string()});
        ASSERT_EQ(c.exit_code, 0) << c.output;
        ui::ChildResult run = ui::run_child_process({{"vvp", "tb.vvp"}, output.string()});
        EXPECT_TRUE(contains(run.output, "tap done")) << run.output;
        EXPECT_FALSE(contains(run.output, "FAIL")) << run.output;
    }
}

// ---- processes --------------------------------------------------------------------------------

// "ctl": a process whose ports are wired straight to the diagram ports clk, d and q.
const char* const kProcessDrawing = R"(save-as ctl.vdp
setup vhdl93 yes
add-component 1024 1024 s0 ctl
diagram ctl
add-process 2048 1024 hdl pr0
add-port in 2048 1100
add-port in 2048 1300
add-port out 2560 1100
edit-port 2048 1100 sensitivity=yes
add-port in 256 1100 clk
wire 320 1100 1984 1100
add-port in 256 1300 d
wire 320 1300 1984 1300
add-port out 5800 1100 q
wire 2624 1100 5736 1100
verify-design
answer yes
process-file ctl a0 pr0 vhdl pr0.vhd
answer yes
process-file ctl a0 pr0 verilog pr0.v
verify-design
generate root=ctl
)";

TEST_F(RoadTest, AProcessWiredToDiagramPortsNamesThePorts) {
    ZephResult r = script(std::string(kProcessDrawing) +
                          "setup language verilog\nverify-design\ngenerate root=ctl\nsave\nexit\n");
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    fs::path output = project_file("ctl", "output");
    std::string vhdl = read_file(output / "ctl.vhd");
    std::string verilog = read_file(output / "ctl.v");
    EXPECT_TRUE(contains(vhdl, "  pr0: process (clk) is\t\t-- ZEPH/VHDL sens.list\n")) << vhdl;
    EXPECT_FALSE(contains(vhdl, "Net_")) << vhdl;
    EXPECT_TRUE(contains(verilog, "  always @(clk) ")) << verilog;
    EXPECT_FALSE(contains(verilog, "Net_")) << verilog;
    std::string file = read_file(project_file("ctl", "design/ctl/a0/pr0.vhd"));
    EXPECT_TRUE(contains(file, "-- clk : in     Bit ;\n")) << file;
    EXPECT_TRUE(contains(file, "-- q   : out    Bit ;\n")) << file;
    // The quick verification of the generation found nothing, so it showed nothing.
    EXPECT_FALSE(contains(r.out, "Quick Verification")) << r.out;
    expect_tools_accept(output, "ctl");
}

// Renaming the process and changing the sensitivity of a port make the file's system lines
// stale: the next verification refreshes them (note 157) and the netlist has the new heading.
TEST_F(RoadTest, EditsOfAProcessRefreshItsSkeletonBeforeGeneration) {
    ZephResult r = script(std::string(kProcessDrawing) + R"(edit-process 2100 1500 name=ctrl
edit-port 2048 1300 sensitivity=yes
verify-design
generate root=ctl overwrite
add-port in 2048 1500
edit-port 2048 1500 sensitivity=yes
undo
undo
verify-design
generate root=ctl overwrite
save
exit
)");
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    std::vector<std::string> notes;
    for (const std::string& line : lines_of(r.out, "report"))
        if (contains(line, "Note    157")) notes.push_back(line);
    ASSERT_EQ(notes.size(), 2u) << r.out;
    EXPECT_TRUE(contains(notes[0], "Skeleton of Vhdl file '")) << notes[0];
    EXPECT_TRUE(contains(notes[0], "/pr0.vhd' automaticly refreshed due to changed features"))
        << notes[0];
    std::string vhdl = read_file(project_file("ctl", "output/ctl.vhd"));
    EXPECT_TRUE(contains(vhdl, "  ctrl: process (clk, d) is")) << vhdl;
    EXPECT_TRUE(contains(vhdl, "end process ctrl ;")) << vhdl;
    EXPECT_FALSE(contains(vhdl, "pr0")) << vhdl;
    expect_tools_accept(project_file("ctl", "output"), "ctl");
}

// The interface of an HDL-file leaf changed through its component: the leaf's file copies the
// interface, so it is refreshed.
TEST_F(RoadTest, AnInterfaceChangeRefreshesTheLeafsFile) {
    ZephResult r = script(R"(save-as leaf.vdp
add-component 1024 1024 s0 top
diagram top
add-component 1024 1024 u0 leaf hdl
add-port in 1024 1100 a
answer yes
hdl-file leaf a0 vhdl leaf.vhd
add-port out 1536 1100 y
verify-design
save
exit
)");
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(count_of(r.out, "Note    157"), 1u) << r.out;
    std::string file = read_file(project_file("leaf", "design/leaf/a0/leaf.vhd"));
    EXPECT_TRUE(contains(file, "--    y : out    Bit ) ;\n")) << file;
}

// Until state machines are written, a state diagram never verifies clean, so that no generation
// run can write it as an empty body: an empty machine stops at its structure checks, and a
// machine that passes them ends with error 60.
TEST_F(RoadTest, StateDiagramsNeverReachGeneration) {
    ZephResult r = script(R"(save-as fsm.vdp
add-component 1024 1024 s0 top
diagram top
add-component 1024 1024 u0 machine state
add-process 2560 1024 state pr0
add-port in 2560 1100
add-port in 256 1100 x
wire 320 1100 2496 1100
verify-design
generate root=top
answer no
exit
)");
    EXPECT_TRUE(contains(r.out, "report: Architecture 'a0' of Entity 'machine':\n"
                                "report: Warning 101: No states\n"
                                "report: Error    25: Clock port flag not found\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "report: Process 'pr0' in Architecture 'a0' of Entity 'top':\n"
                                "report: Warning 101: No states\n"
                                "report: Error    25: Clock port flag not found\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "report: 2 errors, 6 warnings, and 0 notes in this design.\n"))
        << r.out;
    EXPECT_TRUE(lines_of(r.out, "written").empty()) << r.out;
    EXPECT_FALSE(contains(r.out, "Output generation done.")) << r.out;
}

// ---- generation options -----------------------------------------------------------------------

// "top" holds the HDL-file leaf "leaf".
const char* const kTreeDrawing = R"(save-as tree.vdp
setup vhdl93 yes
add-component 1024 1024 s0 top
diagram top
add-component 1024 1024 u0 leaf hdl
add-port in 1024 1100 a
add-port out 1536 1100 y
add-port in 256 1100 x
wire 320 1100 960 1100
add-port out 5800 1100 z
wire 1600 1100 5736 1100
answer yes
hdl-file leaf a0 vhdl leaf.vhd
verify-design
)";

TEST_F(RoadTest, AVerilogSkeletonOfAVhdlDesignSpeaksVerilog) {
    ZephResult r =
        script(std::string(kTreeDrawing) + "answer yes\nhdl-file leaf a0 verilog leaf.v\nexit\n");
    ASSERT_TRUE(ended_cleanly(r));
    std::string file = read_file(project_file("tree", "work/leaf/a0/leaf.v"));
    EXPECT_TRUE(contains(file, "// Module body 'a0' of 'leaf'.\n")) << file;
    EXPECT_TRUE(contains(file, "// Copy of the interface declaration of module 'leaf' :\n"))
        << file;
    EXPECT_FALSE(contains(file, "ntity")) << file;
    EXPECT_FALSE(contains(file, "rchitecture")) << file;
}

TEST_F(RoadTest, FileNamesOfTheGenerationRun) {
    settings("[GUI]\nSaveSettingsOnExit=no\n[Environment]\nVhdlExt=.x.vhdl\n");
    ZephResult dotted = script(std::string(kTreeDrawing) + "generate split=1\nsave\nexit\n");
    ASSERT_EQ(dotted.status, 0) << dotted.out;
    EXPECT_TRUE(fs::exists(project_file("tree", "output/leaf.x.vhdl"))) << dotted.out;
    EXPECT_TRUE(fs::exists(project_file("tree", "output/top.x.vhdl"))) << dotted.out;
    EXPECT_FALSE(fs::exists(project_file("tree", "output/leaf.x.vhdl.x.vhdl"))) << dotted.out;

    // The root's own file chosen for a run of one file per entity: every file is named after
    // its entity.
    settings("[GUI]\nSaveSettingsOnExit=no\n");
    ZephResult root = script(
        "verify-design\ngenerate split=1 file=output/top.vhd overwrite\nexit\n", {"tree.vdp"});
    ASSERT_EQ(root.status, 0) << root.out;
    EXPECT_EQ(lines_of(root.out, "written"),
              (std::vector<std::string>{"written: " + project_file("tree", "output/leaf.vhd"),
                                        "written: " + project_file("tree", "output/top.vhd")}))
        << root.out;
    expect_tools_accept(project_file("tree", "output"), "top");
}

TEST_F(RoadTest, EveryFileARunWouldReplaceIsAskedFor) {
    ZephResult first = script(std::string(kTreeDrawing) + "generate split=2\nsave\nexit\n");
    ASSERT_EQ(first.status, 0) << first.out;
    EXPECT_EQ(lines_of(first.out, "written").size(), 5u) << first.out;
    std::string entity = read_file(project_file("tree", "output/top.ent"));

    // A No to the fourth file stops the run before anything is written.
    ZephResult declined = script("verify-design\nanswer yes\nanswer yes\nanswer yes\nanswer no\n"
                                 "generate split=2\nexit\n",
                                 {"tree.vdp"});
    EXPECT_EQ(count_of(declined.out, "already exists.\nquestion: Do you want to replace it?"), 4u)
        << declined.out;
    EXPECT_TRUE(lines_of(declined.out, "written").empty()) << declined.out;
    EXPECT_TRUE(lines_of(declined.out, "error").empty()) << declined.out;

    ZephResult replaced = script("verify-design\nanswer yes\nanswer yes\nanswer yes\nanswer yes\n"
                                 "answer yes\ngenerate split=2\nexit\n",
                                 {"tree.vdp"});
    EXPECT_EQ(replaced.status, 0) << replaced.out;
    EXPECT_EQ(lines_of(replaced.out, "written").size(), 5u) << replaced.out;
    EXPECT_EQ(read_file(project_file("tree", "output/top.ent")), entity);
}

TEST_F(RoadTest, ATestbenchRunWithoutTestbenchSaysNothingInTheReport) {
    ZephResult r = script(std::string(kTreeDrawing) + "generate parts=2\nexit\n");
    EXPECT_TRUE(contains(r.out, "for copying (r).")) << r.out;
    EXPECT_FALSE(contains(r.out, "Generating output on directory")) << r.out;
    EXPECT_TRUE(lines_of(r.out, "written").empty()) << r.out;
}

// ---- verification modes and the report window ------------------------------------------------

TEST_F(RoadTest, TheProcessVerificationAndTheReportWindowAreReached) {
    // A state-diagram process is a level of its own: going down into it makes it current.
    ZephResult r = script(std::string(kProcessDrawing) + R"(add-process 2048 3000 state pr1
down 2100 3100
verify
report
diagram ctl
verify
exit
)");
    ASSERT_TRUE(ended_cleanly(r));
    EXPECT_TRUE(contains(r.out, "level: ctl a0(B) pr1(S)\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "report: Process 'pr1' in Architecture 'a0' of Entity 'ctl':\n"
                                "report: Error     3: No process ports\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "report: 2 errors, 3 warnings, and 0 notes in this process.\n"
                                "report-title: Process Verify\n"))
        << r.out;
    // "report" shows the window again: the process verification's lines once more.
    std::size_t shown = r.out.find("command: report\n");
    ASSERT_NE(shown, std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(shown, 140).find("command: report\nreport-title: Process Verify\n"), 0u)
        << r.out.substr(shown);
    EXPECT_TRUE(contains(r.out, "in this architecture.\nreport-title: Architecture Verify\n"))
        << r.out;
}

// A diagram whose quick verification finds something shows it before the generation's report:
// two processes joined by a net without a name (warning 104), next to a clean one that shows
// nothing.
TEST_F(RoadTest, TheQuickVerificationOfGenerationShowsItsFindings) {
    ZephResult r = script(R"(save-as quick.vdp
add-component 1024 1024 s0 top
diagram top
add-component 1024 1024 u0 pair
diagram pair
add-process 2048 1024 hdl pr0
add-port in 2048 1100
add-port out 2560 1100
add-process 2048 2560 hdl pr1
add-port in 2048 2700
add-port in 256 1100 a
edit-port 256 1100 default='0'
wire 320 1100 1984 1100
wire 2624 1100 2624 2000 1984 2000 1984 2700
verify-design
generate root=top
answer no
exit
)");
    ASSERT_TRUE(ended_cleanly(r));
    std::size_t generate = r.out.find("command: generate root=top\n");
    ASSERT_NE(generate, std::string::npos) << r.out;
    // Both processes name the net (104) and have no file (102); u0 in "top" leaves the input
    // "a" at its default (154).
    EXPECT_EQ(last_summary(r.out.substr(0, generate)),
              "report: 0 errors, 4 warnings, and 1 note in this design.")
        << r.out;
    std::string run = r.out.substr(generate);
    std::size_t quick = run.find("report: Quick Verification of the Architecture to Determine "
                                 "Process Signals:\n");
    ASSERT_NE(quick, std::string::npos) << run;
    std::size_t heading = run.find("report: Generating output on directory", quick);
    ASSERT_NE(heading, std::string::npos) << run;
    EXPECT_NE(run.substr(quick, heading - quick).find("Warning 104: Local signal net 'Net_"),
              std::string::npos)
        << run;
    EXPECT_EQ(count_of(run, "Quick Verification"), 1u) << run;
    EXPECT_EQ(lines_of(run, "written").size(), 1u) << run;
}

// ---- generics, process files and the About box ------------------------------------------------

TEST_F(RoadTest, GenericsAndActualValuesAreEditedWithTheirChecks) {
    ZephResult r = script(R"(save-as gen.vdp
setup vhdl93 yes
add-component 1024 1024 s0 top
diagram top
add-generic 4500 300 width
edit-generic 4500 300 type=integer default=8 "comment=bus width"
edit-generic 4500 300 default=abc
edit-generic 4500 300 type=userdefined
edit-generic 4500 300 name=8bit
add-component 1024 1024 u0 cnt
diagram cnt
add-generic 4500 300 n
edit-generic 4500 300 type=natural default=4
add-generic 4500 700 delay
edit-generic 4500 700 type=time default=5 unit=ns
diagram top
edit-generic-value 1100 1100 n value=width
edit-generic-value 1100 1100 n value=-3
edit-generic-value 1100 1100 delay value=2 unit=ps
verify-design
generate root=top
about
invoke Help About
save
exit
)");
    EXPECT_EQ(
        lines_of(r.out, "beep"),
        (std::vector<std::string>{
            "beep: Error    32: Cannot open settings file '" + (dir / "config/zeph/zeph.ini") + "'",
            "beep: Error    50: 'abc' is not a legal value in this context",
            "beep: No type specified.", "beep: Error    45: '8bit' is not a legal VHDL identifier",
            "beep: Error    50: '-3' is not a legal value in this context"}))
        << r.out;
    // "cnt" is empty: no components, no processes.
    EXPECT_EQ(last_summary(r.out), "report: 0 errors, 2 warnings, and 0 notes in this design.")
        << r.out;
    std::string vhdl = read_file(project_file("gen", "output/top.vhd"));
    EXPECT_TRUE(contains(vhdl, "    width : Integer := 8 ) ; -- bus width\n")) << vhdl;
    EXPECT_TRUE(contains(vhdl, "    delay : Time := 5 ns ) ;\n")) << vhdl;
    EXPECT_TRUE(contains(vhdl, "      n => width,\n      delay => 2 ps );\n")) << vhdl;
    // The shell's command and the Help menu's item show the same box.
    std::string about = "box: [About ZEPH/HDL] ZEPH/HDL Version 3.0 (Revision 6)\n";
    std::size_t first = r.out.find(about);
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_NE(r.out.find(about, first + 1), std::string::npos) << r.out;
    expect_tools_accept(project_file("gen", "output"), "top");
}

} // namespace
