// The analysis run: the V-System programs are stand-in scripts in a scratch directory that
// record their command lines and working directories and fail on demand; GHDL and Icarus
// Verilog are the real compilers, on clean files and on files with an error in them.
#include "text_test_support.h"

#include "hdl/analysis_run.h"
#include "hdl/tool_run.h"
#include "ui/child_process.h"

#include <sys/stat.h>

namespace {

using namespace hdl_text_test;
using ui::Shown;

// vlib, vcom and vlog that append "<program> <args> @<cwd>" to calls.log, print a line of
// output, and fail when an argument is named in the file "fail".
class VSystemStandIn : public ::testing::Test {
  protected:
    void SetUp() override {
        tools = scratch.path() / "modeltech";
        sources = scratch.path() / "out";
        std::filesystem::create_directories(tools);
        std::filesystem::create_directories(sources);
        for (const char* program : {"vlib", "vcom", "vlog"})
            install(program);
        request.tool = AnalysisTool::Modelsim;
        request.exec_path = (tools / "vsim").string();
        request.files = {sources / "inv4.vhd", sources / "top.vhd"};
    }

    void install(const std::string& program) {
        std::filesystem::path script = tools / program;
        write_file(script, "#!/bin/sh\n"
                           "echo \"$(basename \"$0\") $* @$(pwd)\" >> \"" +
                               (scratch.path() / "calls.log").string() +
                               "\"\n"
                               "echo \"" +
                               program +
                               ": ran\"\n"
                               "for a in \"$@\"; do\n"
                               "  if grep -qx \"$a\" \"" +
                               (scratch.path() / "fail").string() +
                               "\" 2>/dev/null; then echo \"** Error: $a\"; exit 2; fi\n"
                               "done\n");
        chmod(script.c_str(), 0755);
    }

    std::string calls() { return read_file(scratch.path() / "calls.log"); }

    ScratchDirectory scratch;
    std::filesystem::path tools;
    std::filesystem::path sources;
    ui::ScriptedPlatform platform;
    AnalysisRequest request;
};

TEST_F(VSystemStandIn, LibraryOnceThenEachFileInTheFirstFilesDirectory) {
    EXPECT_TRUE(run_analysis(platform, request));
    std::string at = " @" + sources.string() + "\n";
    EXPECT_EQ(calls(), "vlib work" + at + "vcom inv4.vhd" + at + "vcom top.vhd" + at);
    EXPECT_EQ(platform.report_window_title(), "V-System Compiler");
    EXPECT_EQ(platform.report_lines(),
              (std::vector<std::string>{"vlib: ran", "vcom: ran", "vcom: ran"}));
}

TEST_F(VSystemStandIn, FirstFailingCompileStopsTheRest) {
    write_file(scratch.path() / "fail", "inv4.vhd\n");
    EXPECT_FALSE(run_analysis(platform, request));
    std::string at = " @" + sources.string() + "\n";
    EXPECT_EQ(calls(), "vlib work" + at + "vcom inv4.vhd" + at);
    EXPECT_EQ(platform.report_lines().back(), "** Error: inv4.vhd") << "the output stays";

    // A failing library command does not stop the compiles.
    std::filesystem::remove(scratch.path() / "calls.log");
    write_file(scratch.path() / "fail", "work\n");
    EXPECT_TRUE(run_analysis(platform, request));
    EXPECT_EQ(calls(), "vlib work" + at + "vcom inv4.vhd" + at + "vcom top.vhd" + at);
}

TEST_F(VSystemStandIn, WorkingLibraryAndOptionsGoIntoTheCommandLines) {
    request.working_library = "mylib";
    request.options = "-93  -quiet";
    request.language = 2;
    request.files = {sources / "top.v"};
    EXPECT_TRUE(run_analysis(platform, request));
    std::string at = " @" + sources.string() + "\n";
    EXPECT_EQ(calls(), "vlib mylib" + at + "vlog -93 -quiet -work mylib top.v" + at);
}

TEST_F(VSystemStandIn, MissingProgramsRunNothing) {
    std::filesystem::remove(tools / "vcom");
    EXPECT_FALSE(run_analysis(platform, request));
    EXPECT_EQ(platform.shown(Shown::Box),
              (std::vector<std::string>{
                  "zeph|Can not find 'vcom' or 'vlib'. Please check ModelsimExecPath in "
                  "zeph.ini"}));
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "calls.log"));
    request.language = 2; // vlog is there
    EXPECT_TRUE(run_analysis(platform, request));
}

// Output arrives in pieces of at most 256 bytes and becomes report lines as lines end; a
// line split across pieces is joined, carriage returns dropped, the unfinished last line kept.
TEST(ToolOutput, PiecesBecomeLinesAsTheyCome) {
    ui::ScriptedPlatform platform;
    std::vector<std::size_t> sizes;
    ReportLineFeed feed(platform);
    ui::ChildResult result = ui::run_child_process(
        {{"sh", "-c",
          "printf 'one\\r\\ntw'; sleep 0.2; printf 'o\\n'; head -c 600 /dev/zero | "
          "tr '\\000' x; printf '\\nlast'"},
         ""},
        [&](std::string_view piece) {
            sizes.push_back(piece.size());
            feed.take(piece);
        });
    feed.finish();
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_GE(sizes.size(), 4u);
    for (std::size_t size : sizes)
        EXPECT_LE(size, 256u);
    EXPECT_EQ(platform.report_lines(),
              (std::vector<std::string>{"one", "two", std::string(600, 'x'), "last"}));
}

TEST(ToolOutput, ProgramThatCannotStartIsReported) {
    ui::ScriptedPlatform platform;
    EXPECT_FALSE(run_tool(platform, {{"/nonexistent/vcom", "a.vhd"}, ""}));
    EXPECT_EQ(platform.report_lines().back(), "Cannot start '/nonexistent/vcom a.vhd'.");
}

class RealCompilers : public ::testing::Test {
  protected:
    void write(const std::string& name, const std::string& text) {
        write_file(scratch.path() / name, text);
        request.files.push_back(scratch.path() / name);
    }
    std::string report() const {
        std::string text;
        for (const std::string& line : platform.report_lines())
            text += line + "\n";
        return text;
    }
    ScratchDirectory scratch;
    ui::ScriptedPlatform platform;
    AnalysisRequest request;
};

constexpr const char* kInverter = "ENTITY inv IS\n  PORT( a : IN bit ; y : OUT bit ) ;\nEND inv ;\n"
                                  "ARCHITECTURE rtl OF inv IS\nBEGIN\n  y <= NOT a ;\nEND rtl ;\n";
constexpr const char* kTop =
    "ENTITY top IS\n  PORT( a : IN bit ; y : OUT bit ) ;\nEND top ;\n"
    "ARCHITECTURE s OF top IS\n  COMPONENT inv\n    PORT( a : IN bit ; y : OUT bit ) ;\n"
    "  END COMPONENT ;\nBEGIN\n  u0: inv PORT MAP( a => a, y => y ) ;\nEND s ;\n";

TEST_F(RealCompilers, GhdlAnalysesEachFileIntoTheLibraryAndElaboratesTheRoot) {
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl not installed";
    request.tool = AnalysisTool::Ghdl;
    request.working_library = "mylib";
    request.vhdl93 = true;
    request.elaborated_unit = "top";
    write("inv.vhd", kInverter);
    write("top.vhd", kTop);
    EXPECT_TRUE(run_analysis(platform, request)) << report();
    EXPECT_EQ(platform.report_window_title(), "GHDL Compiler");
    EXPECT_TRUE(std::filesystem::exists(scratch.path() / "mylib-obj93.cf"));
    EXPECT_EQ(platform.shown(Shown::Child),
              (std::vector<std::string>{"ghdl -a --std=93 --work=mylib inv.vhd",
                                        "ghdl -a --std=93 --work=mylib top.vhd",
                                        "ghdl -e --std=93 --work=mylib top"}));
}

TEST_F(RealCompilers, GhdlErrorReachesTheReportAndStopsTheRun) {
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl not installed";
    request.tool = AnalysisTool::Ghdl;
    request.elaborated_unit = "top";
    write("inv.vhd",
          std::string(kInverter).replace(std::string(kInverter).find("NOT a"), 5, "NOT b"));
    write("top.vhd", kTop);
    EXPECT_FALSE(run_analysis(platform, request));
    EXPECT_NE(report().find("inv.vhd:6:"), std::string::npos) << report();
    EXPECT_EQ(platform.shown(Shown::Child).size(), 1u) << "top.vhd is not analysed";
}

TEST_F(RealCompilers, IcarusCompilesAllFilesAtOnce) {
    if (!tool_available("iverilog")) GTEST_SKIP() << "iverilog not installed";
    request.tool = AnalysisTool::Icarus;
    request.language = 2;
    request.elaborated_unit = "top";
    write("inv.v", "module inv(a, y);\n  input a;\n  output y;\n  assign y = ~a;\nendmodule\n");
    write("top.v", "module top(a, y);\n  input a;\n  output y;\n  inv u0(.a(a), .y(y));\n"
                   "endmodule\n");
    EXPECT_TRUE(run_analysis(platform, request)) << report();
    EXPECT_EQ(platform.report_window_title(), "Icarus Verilog Compiler");
    EXPECT_TRUE(std::filesystem::exists(scratch.path() / "top.vvp"));

    write_file(scratch.path() / "inv.v", "module inv(a, y);\n  assign y = ~b\nendmodule\n");
    EXPECT_FALSE(run_analysis(platform, request));
    EXPECT_NE(report().find("inv.v:2:"), std::string::npos) << report();
}

TEST_F(RealCompilers, ToolForTheOtherLanguageIsRefused) {
    request.tool = AnalysisTool::Icarus;
    write("inv.vhd", kInverter);
    EXPECT_FALSE(run_analysis(platform, request));
    EXPECT_EQ(platform.shown(Shown::Box),
              (std::vector<std::string>{"zeph|Icarus Verilog analyses Verilog files only."}));
    EXPECT_TRUE(platform.shown(Shown::Child).empty());
}

} // namespace
