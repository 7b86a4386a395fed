// The compilers of the editor: V-System and Leonardo with stand-in programs that print recorded
// lines and note their command lines, their error parsers, and GHDL, Icarus Verilog and
// Verilator run for real on files with errors and warnings.
#include "editor/apply_edit.h"
#include "editor/error_parsers.h"
#include "editor/hdl_compilers.h"
#include "editor/leonardo.h"
#include "editor/program_run.h"
#include "editor/vsystem.h"
#include "tools_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zped {
namespace {

using test::ToolSession;

void type_text_at_end(EditBuffer& b) {
    test::insert(b, b.end_of_text(), "-- x");
}

TEST(ZpedVsystem, CommandLinesOfEveryMode) {
    VsystemSettings s;
    auto text = [&](VsystemMode mode) {
        return vsystem_command(s, mode, "/opt/vsys/", "top.vhd", "lib/work").text;
    };
    EXPECT_EQ(text(VsystemMode::CreateLibrary), "/opt/vsys/vlib lib/work");
    EXPECT_EQ(text(VsystemMode::Vhdl), "/opt/vsys/vcom -work work -explicit -93  top.vhd");
    EXPECT_EQ(text(VsystemMode::Verilog), "/opt/vsys/vlog  -work work  top.vhd");
    EXPECT_EQ(text(VsystemMode::MapLibrary), "/opt/vsys/vmap work lib/work");
    EXPECT_EQ(text(VsystemMode::ShowMappings), "/opt/vsys/vmap");

    s.std_logic = false;
    s.explicit_functions = false;
    s.vhdl93 = false;
    s.upper_case = true;
    s.hazard = true;
    s.library = "mylib";
    s.vcom_line = "12";
    s.vlog_line = "0"; // reads as zero: no -line
    s.vcom_options = "-quiet -source";
    s.vlog_options = "+define+SIM";
    EXPECT_EQ(text(VsystemMode::Vhdl),
              "/opt/vsys/vcom -work mylib -no1164  -line 12  -quiet -source top.vhd");
    EXPECT_EQ(text(VsystemMode::Verilog),
              "/opt/vsys/vlog  -work mylib -u -hazards  +define+SIM top.vhd");
    ProgramCommand c = vsystem_command(s, VsystemMode::Vhdl, "/opt/vsys/", "top.vhd", "");
    EXPECT_EQ(c.argv, (std::vector<std::string>{"/opt/vsys/vcom", "-work", "mylib", "-no1164",
                                                "-line", "12", "-quiet", "-source", "top.vhd"}));

    EXPECT_EQ(vsystem_tool_directory("/opt/vsys/vcom"), "/opt/vsys/");
    EXPECT_EQ(vsystem_tool_directory("vcom"), "");
}

TEST(ZpedVsystem, SettingsDefaultsAndRoundTrip) {
    ToolSession t;
    VsystemSettings s;
    s.load(t.settings);
    EXPECT_EQ(s.window_class, "VsystemWClass");
    EXPECT_EQ(s.library, "work");
    EXPECT_TRUE(s.std_logic && s.vhdl93 && s.explicit_functions);
    EXPECT_FALSE(s.upper_case || s.hazard);
    s.executable = "/opt/vsys/vcom";
    s.timeout = "12345";
    s.hazard = true;
    s.save(t.settings);
    EXPECT_EQ(t.settings.read_string("Vsystem", "Timeout", ""), "123") << "three characters";
    EXPECT_EQ(t.settings.read_string("Vsystem", "Hazard", ""), "yes");
    VsystemSettings back;
    back.load(t.settings);
    EXPECT_EQ(back.executable, "/opt/vsys/vcom");
    EXPECT_TRUE(back.hazard);
}

// The stand-in V-System installation: vcom, vlog, vlib and vmap in one directory.
struct VsystemInstallation : ToolSession {
    std::string bin = dir.file("vsys");
    std::string log = dir.file("vsys.log");
    std::string src = dir.file("src");

    VsystemInstallation() {
        mkdir(bin.c_str(), 0755);
        mkdir(src.c_str(), 0755);
        test::stand_in(bin, "vcom", log,
                       "Model Technology VCOM V-System VHDL/PLUS 4.4j\n"
                       "-- Loading package standard\n"
                       "-- Compiling entity top\n"
                       "-- Compiling architecture rtl of top\n"
                       "ERROR: top.vhd(10): Unknown identifier: b\n"
                       "###### top.vhd(10):   y <= a and b;\n"
                       "ERROR: top.vhd(10): Illegal expression\n"
                       "WARNING[4]: top.vhd(11): no ERROR or ###### in front: no entry\n"
                       "###### top.vhd(12): Warning: Signal c is never read\n"
                       "ERROR: top.vhd(14): VHDL Compiler exiting\n");
        test::stand_in(bin, "vlog", log,
                       "Model Technology VLOG V-System Verilog 4.4j\n"
                       "-- Compiling module top\n"
                       "ERROR: top.v(4): Undefined variable: q\n");
        test::stand_in(bin, "vlib", log, "");
        test::stand_in(bin, "vmap", log,
                       "Reading modelsim.ini\n\"work\" maps to directory work.\n");
        session.vsystem.executable = bin + "/vcom";
    }
};

TEST(ZpedVsystem, CompilesTheSavedFileInItsDirectory) {
    VsystemInstallation t;
    EditBuffer* source = t.open(t.src + "/top.vhd", "entity top is\nend;\n");
    type_text_at_end(*source);
    ASSERT_EQ(t.session.run_command("VsystemVHDL"), 0);
    EXPECT_EQ(test::read_whole(t.log), t.src + "|vcom -work work -explicit -93 top.vhd\n");
    EXPECT_EQ(test::read_whole(t.src + "/top.vhd"), "entity top is\nend;\n-- x")
        << "saved before compiling";
    EditBuffer* window = t.session.active();
    EXPECT_EQ(window->window_title, "V-System compiler");
    EXPECT_EQ(window->line(1), "V-System compiler");
    // Two lines on source line 10 give one entry; the warning is flagged.
    const std::vector<ErrorEntry>& e = t.session.tool_results.errors;
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].source_line, 10);
    EXPECT_EQ(e[1].source_line, 12);
    EXPECT_EQ(e[1].flags, kWarningEntry);
    EXPECT_EQ(e[2].source_line, 14);

    // An unchanged window is not written again: a change made outside the editor stays.
    test::write_file(t.src + "/top.vhd", "changed outside\n");
    t.session.activate_without_check(source);
    ASSERT_EQ(t.session.run_command("VsystemVHDL"), 0);
    EXPECT_EQ(test::read_whole(t.src + "/top.vhd"), "changed outside\n");
}

TEST(ZpedVsystem, VerilogAndTheLibraryModes) {
    VsystemInstallation t;
    t.open(t.src + "/top.v", "module top; endmodule\n");
    ASSERT_EQ(t.session.run_command("VsystemVerilog"), 0);
    ASSERT_EQ(t.session.tool_results.errors.size(), 1u);
    EXPECT_EQ(t.session.tool_results.errors[0].source_line, 4);
    t.session.activate(t.session.find_by_file_name(t.src + "/top.v"));
    t.session.vsystem.library = "mylib";
    EXPECT_EQ(run_vsystem(t.session, VsystemMode::CreateLibrary, "libs/mylib"), 0);
    EXPECT_EQ(run_vsystem(t.session, VsystemMode::MapLibrary, "libs/mylib"), 0);
    EXPECT_EQ(run_vsystem(t.session, VsystemMode::ShowMappings, ""), 0);
    EXPECT_EQ(t.session.active()->line(4), "\"work\" maps to directory work.");
    EXPECT_EQ(test::read_whole(t.log), t.src + "|vlog -work work top.v\n" + t.src +
                                           "|vlib libs/mylib\n" + t.src +
                                           "|vmap mylib libs/mylib\n" + t.src + "|vmap \n");
}

TEST(ZpedVsystem, RefusalsLeaveEverythingAsItWas) {
    VsystemInstallation t;
    t.session.vsystem.executable.clear();
    t.open(t.src + "/top.vhd", "x\n");
    EXPECT_EQ(t.session.run_command("VsystemVHDL"), 1);
    ASSERT_EQ(t.ui().transcript().size(), 1u);
    EXPECT_EQ(t.ui().transcript()[0].title, "vcom.exe executable path is empty.");
    EXPECT_EQ(t.ui().transcript()[0].text,
              "Please set the path to the Vsystem directory\nusing the Options->Vsystem dialog "
              "window.");

    t.session.vsystem.executable = t.bin + "/vcom";
    t.session.show_result_window("startup.err", {"Error"});
    t.ui().clear();
    EXPECT_EQ(t.session.run_command("VsystemVHDL"), 1);
    EXPECT_EQ(t.ui().last_status(), "Active window is not a language file.");
    EXPECT_EQ(t.session.run_command("LeonardoCompile"), 1);
    EXPECT_EQ(t.session.run_command("GhdlAnalyze"), 1);
    EXPECT_EQ(t.ui().last_status(), "Active window is not a language file.");
    EXPECT_FALSE(std::filesystem::exists(t.log));

    // A save that fails (the user cancels the name of a new file) stops the compile.
    t.session.run_command("NewFile");
    type_text_at_end(*t.session.active());
    t.ui().answer_cancel();
    EXPECT_EQ(t.session.run_command("VsystemVHDL"), 1);
    EXPECT_FALSE(std::filesystem::exists(t.log));
    EXPECT_EQ(t.session.find_by_file_name(kToolResultWindow), nullptr);
}

TEST(ZpedVsystem, TheOptionsDialogSetsTheCompilersAndRunsTheLibraryCommands) {
    VsystemInstallation t;
    t.open(t.src + "/top.vhd", "entity top is\nend;\n");
    std::vector<std::string> names;
    t.ui().answer_dialog([&](Dialog& d) -> std::optional<int> {
        for (const DialogField& f : d.fields)
            names.push_back(f.name + "=" + field_value_text(f));
        return std::nullopt;
    });
    EXPECT_EQ(t.session.run_command("VsystemOptions"), 1);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "library-group=", "library=work", "library-directory=work",
                         "vcom-group=", "no-std-logic=no", "vhdl93=yes", "explicit=yes",
                         "vcom-line=", "vcom-options=", "vlog-group=", "upper-case=no",
                         "hazards=no", "vlog-line=", "vlog-options=", "installation-group=",
                         "executable=" + t.bin + "/vcom", "timeout="}));

    // OK takes the fields; the next compile follows them.
    test::answer_fields(t.ui(),
                        {{"library", "mylib"},
                         {"no-std-logic", "yes"},
                         {"vhdl93", "no"},
                         {"vcom-line", "3"},
                         {"vcom-options", "-quiet"},
                         {"hazards", "yes"},
                         {"timeout", "12345"}},
                        "OK");
    ASSERT_EQ(t.session.run_command("VsystemOptions"), 0);
    EXPECT_EQ(t.session.vsystem.timeout, "123");
    EXPECT_TRUE(t.session.vsystem.hazard);
    EXPECT_EQ(std::filesystem::exists(t.log), false) << "OK runs nothing";
    ASSERT_EQ(t.session.run_command("VsystemVHDL"), 0);

    // The library buttons take the fields as well, then run vlib or vmap in the file's
    // directory; the result window shows what they print.
    t.session.activate(t.session.find_by_file_name(t.src + "/top.vhd"));
    test::answer_fields(t.ui(), {{"library-directory", "libs/mylib"}}, "Create Library");
    ASSERT_EQ(t.session.run_command("VsystemOptions"), 0);
    test::answer_fields(t.ui(), {{"library", "other"}, {"library-directory", "libs/other"}},
                        "Map Library");
    ASSERT_EQ(t.session.run_command("VsystemOptions"), 0);
    test::answer_fields(t.ui(), {}, "Retrieve Library Mapping");
    ASSERT_EQ(t.session.run_command("VsystemOptions"), 0);
    EXPECT_EQ(t.session.active()->window_title, "V-System compiler");
    EXPECT_EQ(t.session.active()->line(4), "\"work\" maps to directory work.");
    EXPECT_EQ(t.session.vsystem.library, "other");
    EXPECT_EQ(test::read_whole(t.log),
              t.src + "|vcom -work mylib -no1164 -explicit -line 3 -quiet top.vhd\n" + t.src +
                  "|vlib libs/mylib\n" + t.src + "|vmap other libs/other\n" + t.src + "|vmap \n");

    // Cancel keeps the settings as they were.
    test::answer_fields(t.ui(), {{"library", "dropped"}}, "Cancel");
    EXPECT_EQ(t.session.run_command("VsystemOptions"), 1);
    EXPECT_EQ(t.session.vsystem.library, "other");
}

TEST(ZpedLeonardo, ScriptWrittenForTheRunAndRemovedAfterIt) {
    ToolSession t;
    std::string bin = t.dir.file("leo");
    std::string log = t.dir.file("leo.log");
    mkdir(bin.c_str(), 0755);
    test::stand_in(bin, "elsyn", log,
                   "-- Reading file top.vhd\n"
                   "\"top.vhd\", line 10: Error, b is not declared.\n"
                   "\"top.vhd\", line 11: Warning, y has multiple drivers.\n"
                   "\"other.vhd\", line 3: Error, not this file.\n"
                   "Error(s) found in VHDL source.\n",
                   true);
    t.session.leonardo.path = bin;
    std::string src = t.dir.file("src");
    mkdir(src.c_str(), 0755);
    t.open(src + "/top.vhd", "entity top is end;\n");
    ASSERT_EQ(t.session.run_command("LeonardoCompile"), 0);
    EXPECT_EQ(test::read_whole(log),
              src + "|elsyn -file leonardo.script\nanalyze -work work top.vhd\n");
    EXPECT_FALSE(std::filesystem::exists(src + "/leonardo.script"));
    EXPECT_EQ(t.session.active()->window_title, "Leonardo synthesis");
    const std::vector<ErrorEntry>& e = t.session.tool_results.errors;
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].source_line, 10);
    EXPECT_EQ(e[1].source_line, 11);
    EXPECT_EQ(e[1].flags, kWarningEntry);

    // A script of the user's own in that directory is put back.
    test::write_file(src + "/leonardo.script", "my own script\n");
    t.session.activate(t.session.find_by_file_name(src + "/top.vhd"));
    ASSERT_EQ(t.session.run_command("LeonardoCompile"), 0);
    EXPECT_EQ(test::read_whole(src + "/leonardo.script"), "my own script\n");

    // Without a path, elsyn is looked for on PATH.
    EXPECT_EQ(leonardo_command(LeonardoSettings{}).text, "elsyn -file leonardo.script");
}

TEST(ZpedLeonardo, AScriptThatCannotBeWrittenStopsTheRun) {
    ToolSession t;
    std::string src = t.dir.file("gone");
    mkdir(src.c_str(), 0755);
    t.open(src + "/top.vhd", "x\n");
    std::filesystem::remove_all(src); // the file's directory went away meanwhile
    EXPECT_EQ(t.session.run_command("LeonardoCompile"), 1);
    EXPECT_EQ(t.ui().texts("box").back(),
              "Cannot open Leonardo script file '" + src + "/leonardo.script'.");
    EXPECT_EQ(t.session.find_by_file_name(kToolResultWindow), nullptr);

    // Something by the script's name that cannot be read back is never replaced.
    std::string other = t.dir.file("other");
    mkdir(other.c_str(), 0755);
    mkdir((other + "/leonardo.script").c_str(), 0755);
    t.open(other + "/top.vhd", "x\n");
    EXPECT_EQ(t.session.run_command("LeonardoCompile"), 1);
    EXPECT_EQ(t.ui().texts("box").back(),
              "Cannot open Leonardo script file '" + other + "/leonardo.script'.");
    EXPECT_TRUE(std::filesystem::is_directory(other + "/leonardo.script"));
}

TEST(ZpedLeonardo, TheOptionsDialogSetsWhereElsynIs) {
    ToolSession t;
    std::vector<std::string> shown;
    t.ui().answer_dialog([&](Dialog& d) -> std::optional<int> {
        for (const DialogField& f : d.fields)
            shown.push_back(f.label + "=" + field_value_text(f));
        return d.button("Cancel");
    });
    EXPECT_EQ(t.session.run_command("LeonardoOptions"), 1);
    EXPECT_EQ(shown, (std::vector<std::string>{" Installation =", "&Path:=", "&Time-out:=",
                                               " Vcom options =", "&Library:=work"}));

    std::string bin = t.dir.file("leo");
    std::string log = t.dir.file("leo.log");
    mkdir(bin.c_str(), 0755);
    test::stand_in(bin, "elsyn", log, "done\n");
    test::answer_fields(t.ui(), {{"path", bin}, {"timeout", "60"}, {"library", "synth"}}, "OK");
    ASSERT_EQ(t.session.run_command("LeonardoOptions"), 0);
    EXPECT_EQ(t.session.leonardo.library, "synth");
    t.open(t.dir.file("top.vhd"), "x\n");
    ASSERT_EQ(t.session.run_command("LeonardoCompile"), 0);
    EXPECT_EQ(test::read_whole(log), t.dir.path() + "|elsyn -file leonardo.script\n");

    ASSERT_TRUE(t.session.write_settings());
    EXPECT_EQ(t.settings.read_string("Leonardo", "Path", ""), bin);
    EXPECT_EQ(t.settings.read_string("Leonardo", "Timeout", ""), "60");
}

TEST(ZpedErrorParsers, RecordedLinesOfEveryCompiler) {
    auto line = [](ErrorParser p, const char* text, const char* file = "top.vhd") {
        auto r = parse_result_line(p, text, file);
        return r ? (r->warning ? -r->line : r->line) : 0; // negative: a warning
    };
    using P = ErrorParser;
    EXPECT_EQ(line(P::Vsystem, "ERROR: top.vhd(12): Unknown identifier"), 12);
    EXPECT_EQ(line(P::Vsystem, "###### top.vhd(7):   y <= b;"), 7);
    EXPECT_EQ(line(P::Vsystem, "ERROR: cannot open (file)"), 0) << "no number after (";
    EXPECT_EQ(line(P::Vsystem, "WARNING[1]: top.vhd(3): Warning"), 0) << "neither prefix";
    EXPECT_EQ(line(P::Vsystem, "ERROR: top.vhd(99999999999): x"), 0) << "out of range";
    EXPECT_EQ(line(P::Vsystem, "###### Warning: top.vhd(5)"), -5);

    EXPECT_EQ(line(P::Leonardo, "\"top.vhd\", line 12: Error, x"), 12);
    EXPECT_EQ(line(P::Leonardo, "\"/home/u/top.vhd\",line 8: Warning, y"), -8);
    EXPECT_EQ(line(P::Leonardo, "\"other.vhd\", line 8: Error"), 0);
    EXPECT_EQ(line(P::Leonardo, "top.vhd, line 8: Error"), 0) << "no leading quote";
    EXPECT_EQ(line(P::Leonardo, "\"line 4\" top.vhd"), 0) << "\"line \" must follow the name";

    // GHDL 2.0.0
    EXPECT_EQ(line(P::Ghdl, "bad.vhd:10:14: no declaration for \"b\"", "bad.vhd"), 10);
    EXPECT_EQ(line(P::Ghdl, "bad.vhd:3:1:warning: entity is never used", "bad.vhd"), -3);
    EXPECT_EQ(line(P::Ghdl, "  y <= a and b;", "bad.vhd"), 0);
    EXPECT_EQ(line(P::Ghdl, "ghdl:error: compilation error", "bad.vhd"), 0);
    EXPECT_EQ(line(P::Ghdl, "other.vhd:4:2: error", "bad.vhd"), 0) << "another file";
    EXPECT_EQ(line(P::Ghdl, "./bad.vhd:4:2: error", "bad.vhd"), 4);

    // Icarus Verilog 11
    EXPECT_EQ(
        line(P::Icarus, "warn.v:6: error: Unable to bind wire/reg/memory `missing'", "warn.v"), 6);
    EXPECT_EQ(
        line(P::Icarus, "warn.v:5: warning: Port 1 (a) of sub expects 4 bits, got 1.", "warn.v"),
        -5);
    EXPECT_EQ(line(P::Icarus, "warn.v:5:        : Padding 3 high bits of the port.", "warn.v"), 5);
    EXPECT_EQ(line(P::Icarus, "2 error(s) during elaboration.", "warn.v"), 0);

    // Verilator 5
    EXPECT_EQ(line(P::Verilator,
                   "%Error: warn.v:6:18: Can't find definition of variable: 'missing'", "warn.v"),
              6);
    EXPECT_EQ(line(P::Verilator, "%Warning-WIDTH: warn.v:3:12: Operator ASSIGNW expects 4 bits",
                   "warn.v"),
              -3);
    EXPECT_EQ(line(P::Verilator, "%Error: Exiting due to 1 error(s), 1 warning(s)", "warn.v"), 0);
    EXPECT_EQ(line(P::Verilator, "    6 |   assign z = x & missing;", "warn.v"), 0);
    EXPECT_EQ(line(P::Verilator, "                     : ... In instance top", "warn.v"), 0);
    EXPECT_EQ(line(P::None, "ERROR: top.vhd(12): x"), 0);
}

// Real compilers on files with known faults. The compiled file lies in a directory of its own,
// as the compile commands run in the file's directory.
struct RealCompile : ToolSession {
    std::vector<int> lines;
    std::vector<bool> warnings;

    int compile(const std::string& command, const std::string& name, const std::string& text) {
        mkdir(dir.file("hdl").c_str(), 0755);
        open(dir.file("hdl/" + name), text);
        int result = session.run_command(command.c_str());
        for (const ErrorEntry& e : session.tool_results.errors) {
            lines.push_back(e.source_line);
            warnings.push_back(e.flags == kWarningEntry);
        }
        return result;
    }
};

const char* kVhdlWithTwoErrors = "library ieee;\n"
                                 "use ieee.std_logic_1164.all;\n"
                                 "entity bad is\n"
                                 "  port (a : in std_logic; y, z : out std_logic);\n"
                                 "end entity;\n"
                                 "architecture rtl of bad is\n"
                                 "begin\n"
                                 "  y <= a and b;\n"
                                 "  z <= undefined_sig;\n"
                                 "end architecture;\n";

// Icarus and Verilator both warn about the port width on line 5 and stop at line 6.
const char* kVerilogWithErrorAndWarning = "module sub(input [3:0] a, output y);\n"
                                          "  assign y = a[0];\n"
                                          "endmodule\n"
                                          "module top(input x, output y, output z);\n"
                                          "  sub u(.a(x), .y(y));\n"
                                          "  assign z = x[5];\n"
                                          "endmodule\n";

TEST(ZpedRealCompilers, GhdlReportsBothErrors) {
    RealCompile t;
    ASSERT_EQ(t.compile("GhdlAnalyze", "bad.vhd", kVhdlWithTwoErrors), 0);
    EditBuffer* window = t.session.find_by_file_name(kToolResultWindow);
    EXPECT_EQ(window->line(1), "GHDL analysis");
    EXPECT_EQ(t.lines, (std::vector<int>{8, 9}));
    EXPECT_EQ(t.warnings, (std::vector<bool>{false, false}));
    ASSERT_EQ(t.session.run_command("NextError"), 0);
    EXPECT_EQ(t.session.active()->cursor.line, 7);
    EXPECT_EQ(t.ui().last_status(), "bad.vhd:8:14: no declaration for \"b\"");
}

TEST(ZpedRealCompilers, IcarusReportsTheWarningAndTheError) {
    RealCompile t;
    ASSERT_EQ(t.compile("IcarusCompile", "top.v", kVerilogWithErrorAndWarning), 0);
    EXPECT_EQ(t.lines, (std::vector<int>{5, 6}));
    EXPECT_EQ(t.warnings, (std::vector<bool>{true, false}));
}

TEST(ZpedRealCompilers, VerilatorReportsTheWarningAndTheError) {
    RealCompile t;
    ASSERT_EQ(t.compile("VerilatorLint", "top.v", kVerilogWithErrorAndWarning), 0);
    // With -Wall the file name that does not match module "sub" is a warning on line 1.
    EXPECT_EQ(t.lines, (std::vector<int>{1, 5, 6}));
    EXPECT_EQ(t.warnings, (std::vector<bool>{true, true, false}));
}

TEST(ZpedRealCompilers, CommandLinesFollowTheSettings) {
    HdlCompilerSettings s;
    EXPECT_EQ(hdl_compiler_command(s, HdlCompiler::Ghdl, "top.vhd").text,
              "ghdl -a --std=93 top.vhd");
    EXPECT_EQ(hdl_compiler_command(s, HdlCompiler::Icarus, "top.v").text, "iverilog -t null top.v");
    EXPECT_EQ(hdl_compiler_command(s, HdlCompiler::Verilator, "top.v").text,
              "verilator --lint-only -Wall top.v");
    s.ghdl_standard = "08";
    s.ghdl_options = "-frelaxed --ieee=synopsys";
    s.icarus_options = "-g2012";
    EXPECT_EQ(hdl_compiler_command(s, HdlCompiler::Ghdl, "-odd.vhd").argv,
              (std::vector<std::string>{"ghdl", "-a", "--std=08", "-frelaxed", "--ieee=synopsys",
                                        "./-odd.vhd"}));
    EXPECT_EQ(hdl_compiler_command(s, HdlCompiler::Icarus, "a b.v").text,
              "iverilog -t null -g2012 \"a b.v\"");
}

} // namespace
} // namespace zped
