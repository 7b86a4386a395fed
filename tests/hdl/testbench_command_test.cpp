// The shell's testbench, compile and generate commands on the datapath: a testbench is made
// with its skeleton (or taken back when cancelled), "Testbench of root" copies it, and the
// analysis tool of the settings (the real GHDL here) runs over what generate wrote, its output
// in the report window, "Output generated in file" shown after it.
#include "console_session.h"
#include "datapath_design.h"

#include "design/status_flags.h"
#include "hdl/hdl_file_place.h"
#include "shell/verification_results.h"

#include <unistd.h>

namespace {

using namespace hdl_text_test;

class TestbenchCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.session().start_untitled();
        Design& design = *console.session().design();
        design.current_entity = nullptr;
        design.current_architecture = nullptr;
        design.root = nullptr;
        design.entities.clear();
        build_datapath(design, d);
        console.session().settings().environment.overwrite_out_files = true;
        console.session().settings().tools.analysis_tool = 0;
        console.session().verification().design_verified(design);
    }
    std::string run(const std::string& line) {
        console.take_output();
        last_ok = console.run(line);
        return console.take_output();
    }
    // The project directory, where the session works.
    std::filesystem::path here() {
        console.session().enter_working_directory();
        return std::filesystem::current_path();
    }

    ScratchDirectory dir;
    zeph::testing_support::ConsoleSession console{dir.path(), dir.path() / "zeph.ini"};
    Datapath d;
    bool last_ok = false;
};

TEST_F(TestbenchCommandTest, CreatesAsksAndTakesBack) {
    run("answer yes");
    std::string text = run("testbench inv4 inv4_tb");
    ASSERT_TRUE(last_ok) << text;
    EXPECT_NE(text.find("question: Generate skeleton?"), std::string::npos) << text;
    ASSERT_NE(d.inv4->testbench, nullptr);
    EXPECT_EQ(d.inv4->testbench->name, "inv4_tb");
    std::size_t at = text.find("testbench: ");
    ASSERT_NE(at, std::string::npos) << text;
    std::string path = text.substr(at + 11, text.find('\n', at) - at - 11);
    EXPECT_NE(read_file(path).find(" eut: inv4"), std::string::npos) << path;

    text = run("testbench inv4");
    EXPECT_FALSE(last_ok);
    EXPECT_NE(text.find("'inv4' has the testbench 'inv4_tb' already"), std::string::npos);

    run("answer <cancel>");
    text = run("testbench buf4");
    EXPECT_TRUE(last_ok) << "a cancelled prompt is no failure: " << text;
    EXPECT_NE(text.find("prompt: Enter name for testbench of entity 'buf4': [buf4_tb]"),
              std::string::npos)
        << text;
    run("answer buf4_tb");
    run("answer cancel");
    text = run("testbench buf4");
    EXPECT_EQ(d.buf4->testbench, nullptr) << text;

    text = run("testbench buf4 inv4_tb");
    EXPECT_FALSE(last_ok);
    EXPECT_NE(text.find("Duplicate testbench name"), std::string::npos) << text;
}

// "Go to Testbench" opens the testbench's file in the editor of the settings (a program that
// records its argument here), once the entity is verified down the hierarchy in VHDL.
TEST_F(TestbenchCommandTest, GoToTestbenchOpensItsFile) {
    EXPECT_FALSE(run("go-testbench inv4").empty());
    EXPECT_FALSE(last_ok) << "no testbench yet";
    run("answer yes");
    std::string made = run("testbench inv4 inv4_tb");
    std::filesystem::path editor = dir.path() / "editor.sh";
    write_file(editor, "#!/bin/sh\necho \"$1\" > \"" + (dir.path() / "opened").string() + "\"\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    console.session().settings().environment.editor = editor.string();
    d.inv4->status |= kStatusVerifiedDown;
    run("go-testbench inv4");
    EXPECT_TRUE(last_ok);
    std::string opened = read_file(dir.path() / "opened");
    EXPECT_NE(made.find(opened.substr(0, opened.size() - 1)), std::string::npos) << made << opened;
    d.inv4->status &= ~kStatusVerifiedDown;
    EXPECT_NE(run("go-testbench inv4").find("no testbench to go to"), std::string::npos);
}

TEST_F(TestbenchCommandTest, GhdlAnalysesTheGeneratedRootAndItsTestbench) {
    if (system("ghdl --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "ghdl not installed";
    HdlContext context(*console.session().design(), console.session().platform());
    context.place.project_directory = here();
    ASSERT_TRUE(write_datapath_files(context, d));
    console.session().settings().tools.analysis_tool = static_cast<int>(AnalysisTool::Ghdl);
    run("answer yes");
    ASSERT_TRUE(run("testbench inv4 inv4_tb").find("testbench: ") != std::string::npos);
    // The new testbench is a change: a verification allows generation again.
    console.session().verification().design_verified(*console.session().design());

    std::filesystem::path out = dir.path() / "out";
    std::string text = run("generate root=inv4 parts=20 file=" + (out / "inv4.vhd").string());
    ASSERT_TRUE(last_ok) << text;
    EXPECT_NE(text.find("report-title: GHDL Compiler"), std::string::npos) << text;
    EXPECT_NE(text.find("status: Output generated in file '" + (out / "inv4.vhd").string()),
              std::string::npos)
        << text;
    EXPECT_TRUE(std::filesystem::exists(out / "work-obj87.cf"));

    // The testbench copy goes into the same library and is elaborated.
    text = run("generate root=inv4 parts=2 file=" + (out / "inv4_tb.vhd").string());
    ASSERT_TRUE(last_ok) << text;
    EXPECT_EQ(read_file(out / "inv4_tb.vhd"),
              read_file(hdl_file_path(context.place, *d.inv4->testbench,
                                      *d.inv4->testbench->architectures.front(),
                                      *d.inv4->testbench->architectures.front()->hdl_file, 1)));
    EXPECT_EQ(text.find("error"), std::string::npos) << text;
    EXPECT_EQ(console.session().last_analysis()->elaborated_unit, "inv4_tb");

    // compile without files runs the last generation's files again; a broken file's error
    // reaches the report window and the command fails.
    EXPECT_NE(run("compile").find("report-title: GHDL Compiler"), std::string::npos);
    EXPECT_TRUE(last_ok);
    write_file(out / "broken.vhd", "ENTITY broken IS\nEND broken ;\nARCHITECTURE a OF broken IS\n"
                                   "BEGIN\n  x <= '1' ;\nEND a ;\n");
    text = run("compile " + (out / "broken.vhd").string());
    EXPECT_FALSE(last_ok);
    EXPECT_NE(text.find("report: broken.vhd:5:"), std::string::npos) << text;
    EXPECT_NE(text.find("error: compile: the analysis failed"), std::string::npos) << text;

    console.session().settings().tools.analysis_tool = 0;
    EXPECT_NE(run("compile").find("no analysis tool is set"), std::string::npos);
}

} // namespace
