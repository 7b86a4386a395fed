// The hierarchy driven with the real zeph program: a design whose entity "cnt" has two
// architectures kept as two configurations, a library module from a second project and a
// macro saved from a third; saved, reopened (the current configuration applied, the library
// fetched again), written as VHDL with configuration declarations and with configuration
// specifications, each elaborated by GHDL; then the library project changes and the next
// reopen reports every component that no longer fits.
#include "test_files.h"
#include "zeph_process.h"

#include "ui/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using shell_test::expect_golden;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

// The library: "libtop" wires "ram" and "rom", each passing its input on.
const char* const kLibrary = R"(save-as lib.vdp
setup signal-type std_logic vector-type std_logic_vector
packages insert ieee.std_logic_1164 global
add-component 640 640 u0 libtop block
diagram libtop
add-port in 64 128 a
add-port out 4624 128 y
add-component 640 640 r0 ram block
diagram ram
add-port in 64 128 a
add-port out 2624 128 y
wire 128 128 2560 128
diagram libtop
add-component 2640 640 r1 rom block
diagram rom
add-port in 64 128 a
add-port out 2624 128 y
wire 128 128 2560 128
diagram libtop
wire 128 128 400 128 400 704 576 704
wire 1216 704 2576 704
wire 3216 704 3400 704 3400 128 4560 128
verify-design
generate root=libtop overwrite
save
exit
)";

// A macro project holding the entity "buf", saved from a third project into the directory of
// the "Macros" setting, where the file dialogs of the macro commands open.
const char* const kMacro = R"(save-as mac.vdp
setup signal-type std_logic vector-type std_logic_vector
packages insert ieee.std_logic_1164 global
add-component 640 640 u0 buf block
diagram buf
add-port in 64 128 a
add-port out 2624 128 y
wire 128 128 2560 128
diagram Toplevel
answer buf.vmp
answer "a buffer stage"
save-macro u0
save
exit
)";

// "sys": c0 of "cnt" (architectures a0 and fast), l0 of the library's "ram", l1 of its "rom"
// and m0 of the macro's "buf", in a chain from a to y; two configurations.
const char* const kMain = R"(save-as main.vdp
setup signal-type std_logic vector-type std_logic_vector
packages insert ieee.std_logic_1164 global
add-component 640 640 u0 sys block
diagram sys
add-port in 64 128 a
add-port out 4624 128 y
add-component 640 640 c0 cnt block
diagram cnt
add-port in 64 128 a
add-port out 2624 128 y
wire 128 128 2560 128
diagram sys
edit-instance c0 new=fast:block
diagram cnt fast
wire 320 256 6080 256
diagram sys
load-library lib.vdp
instantiate 1640 640 ram a0 l0
instantiate 1640 2000 rom a0 l1
answer buf.vmp
answer m0
load-macro 2640 640
wire 128 128 400 128 400 704 576 704
wire 400 704 400 2064 1576 2064
wire 1216 704 1576 704
wire 2216 704 2576 704
wire 3216 704 3400 704 3400 128 4560 128
new-configuration slow first binding
configure slow save
bind-architecture c0 fast
new-configuration fast second binding
configure fast save
verify-design
save
exit
)";

// Reopened: the configuration "fast" is current again; each configuration written with its
// declaration, then the bindings of "slow" written as specifications.
const char* const kReopen = R"(configurations
design-list
verify-design
generate root=sys overwrite file=fast.vhd
configure slow set
verify-design
generate root=sys overwrite file=slow.vhd
verify-design
generate root=sys overwrite parts=76 file=spec.vhd
answer no
exit
)";

// The library changes: "ram" gets a third port and its architecture another name; "rom" is
// renamed everywhere (in the library project).
const char* const kLibraryChange = R"(diagram ram
add-port in 64 256 b
diagram libtop
edit-instance r0 rename=a0:b0
answer no
edit-instance r1 entity=rom2
save
exit
)";

bool tool_available(const char* tool) {
    return ui::run_child_process({{tool, "--version"}, ""}).started;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The report lines under the last report title `title`, up to the next command.
std::string report_under(const std::string& out, const std::string& title) {
    std::istringstream in(out);
    std::string text;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "report-title: " + title) {
            inside = true;
            text.clear();
        } else if (line.rfind("command: ", 0) == 0) {
            inside = false;
        } else if (inside && line.rfind("report: ", 0) == 0) {
            text += line.substr(8) + "\n";
        }
    }
    return text;
}

std::vector<std::string> lines_of(const std::string& out, const std::string& channel) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(channel + ": ", 0) == 0) found.push_back(line.substr(channel.size() + 2));
    return found;
}

class HierarchyScenario : public ::testing::Test {
  protected:
    ZephResult script(const std::string& name, const std::string& commands,
                      const std::vector<std::string>& more = {}) {
        write_file(dir / name, commands);
        ZephRun run;
        run.args = {"--batch", dir / name};
        run.args.insert(run.args.end(), more.begin(), more.end());
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"},
                   {"HOME", dir.path()},
                   {"SOURCE_DATE_EPOCH", "1700000000"}};
        ZephResult result = run_zeph(run);
        EXPECT_FALSE(contains(result.err, "Sanitizer") || contains(result.err, "runtime error"))
            << result.err;
        return result;
    }

    // GHDL analyses the library's and the design's file in a library of their own and
    // elaborates `unit` (a configuration or the root entity).
    void expect_elaborates(const std::string& file, const std::string& unit) {
        if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
        std::string lib = dir / ("ghdl-" + unit);
        fs::create_directories(lib);
        for (const std::string& source :
             {dir / "lib.vdp/output/libtop.vhd", dir / ("main.vdp/" + file)}) {
            ui::ChildResult a = ui::run_child_process(
                {{"ghdl", "-a", "--std=93", "--workdir=" + lib, source}, lib});
            EXPECT_EQ(a.exit_code, 0) << source << ":\n" << a.output;
        }
        ui::ChildResult e =
            ui::run_child_process({{"ghdl", "-e", "--std=93", "--workdir=" + lib, unit}, lib});
        EXPECT_EQ(e.exit_code, 0) << unit << ":\n" << e.output;
    }

    void SetUp() override {
        fs::create_directories(dir / "macros");
        write_file(dir / "config/zeph/zeph.ini", "[Environment]\nMacros=" + dir / "macros" + "\n");
    }

    ScratchDir dir;
};

TEST_F(HierarchyScenario, ConfigurationsLibraryModulesAndMacrosThroughSaveAndReopen) {
    ASSERT_EQ(script("lib.zeph", kLibrary).status, 0);
    ZephResult macro = script("mac.zeph", kMacro);
    ASSERT_EQ(macro.status, 0) << macro.out;
    EXPECT_TRUE(contains(macro.out, "file: Save Macro\n")) << macro.out;
    EXPECT_TRUE(contains(macro.out, "prompt: Enter macro project info:")) << macro.out;
    EXPECT_TRUE(fs::exists(dir / "macros/buf.vmp/macro.vmf"));
    ZephResult made = script("main.zeph", kMain);
    ASSERT_EQ(made.status, 0) << made.out;
    EXPECT_TRUE(contains(made.out, "file: Load Macro (Macro Projects *.vmp)\n")) << made.out;
    EXPECT_TRUE(contains(made.out, "status: Loading 'buf'...\n"));

    ZephResult reopened = script("reopen.zeph", kReopen, {"main.vdp"});
    ASSERT_EQ(reopened.status, 0) << reopened.out;
    EXPECT_EQ(lines_of(reopened.out, "configuration"),
              (std::vector<std::string>{"slow - first binding", "fast* - second binding"}));
    expect_golden("hierarchy_design_list.txt", report_under(reopened.out, "Design List"));
    EXPECT_EQ(report_under(reopened.out, "Set Bindings"),
              "Loading 'slow'...: first binding\n"
              "Binding architecture 'a0' (instead of 'fast') of entity 'cnt' to component 'c0' "
              "in architecture 'a0' of entity 'sys'.\n");
    std::string fast = shell_test::read_file(dir / "main.vdp/fast.vhd");
    EXPECT_TRUE(contains(fast, "configuration fast of sys is\n  for a0\n    for c0 : cnt\n"
                               "      use entity work.cnt(fast) ;\n"))
        << fast;
    std::string slow = shell_test::read_file(dir / "main.vdp/slow.vhd");
    EXPECT_TRUE(contains(slow, "configuration slow of sys is")) << slow;
    std::string spec = shell_test::read_file(dir / "main.vdp/spec.vhd");
    EXPECT_TRUE(contains(spec, " for c0 : cnt\n   use entity work.cnt(a0) ;\n")) << spec;
    EXPECT_FALSE(contains(spec, "configuration slow")) << spec;
    expect_elaborates("fast.vhd", "fast");
    expect_elaborates("slow.vhd", "slow");
    expect_elaborates("spec.vhd", "sys");

    ASSERT_EQ(script("change.zeph", kLibraryChange, {"lib.vdp"}).status, 0);
    // "rom" is gone from the library: the name prompt is cancelled.
    ZephResult changed =
        script("changed.zeph", "answer <cancel>\ndesign-list\nanswer no\nexit\n", {"main.vdp"});
    std::vector<std::string> reports = lines_of(changed.out, "report");
    auto reported = [&](const std::string& line) {
        return std::find(reports.begin(), reports.end(), line) != reports.end();
    };
    EXPECT_TRUE(reported("Mismatch in number of ports for component 'l0' in architecture 'a0' "
                         "of entity 'sys' instantiating library entity 'ram': 2 requested, 3 "
                         "found."))
        << changed.out;
    EXPECT_TRUE(reported("Requested architecture name 'a0' for binding to component 'l0' in "
                         "architecture 'a0 of entity 'sys' instantiating library entity 'ram' "
                         "not found; binding architecture 'b0' instead."))
        << changed.out;
    EXPECT_TRUE(reported("Loading component 'l1' in architecture 'a0' of entity 'sys' "
                         "instantiating library entity 'rom' aborted: entity deleted."))
        << changed.out;
    EXPECT_TRUE(contains(changed.out, "beep: No entity found.\nprompt: Enter entity name:"))
        << changed.out;
    EXPECT_TRUE(reported("      component 'l0:ram[L:lib]:b0(B)'")) << changed.out;
    EXPECT_FALSE(contains(report_under(changed.out, "Design List"), "rom"));

    // A library module stays read-only, and the open project is no library of its own.
    ZephResult refused =
        script("refused.zeph",
               "answer <cancel>\ndiagram sys\nedit-instance l0 type=b0:hdl\nedit-instance l0 "
               "label=lib0\nload-library main.vdp\nanswer no\nexit\n",
               {"main.vdp"});
    EXPECT_EQ(lines_of(refused.out, "beep"),
              (std::vector<std::string>{"No entity found.",
                                        "Read-only component instantiates library module.",
                                        "Current project not allowed."}))
        << refused.out;
    EXPECT_TRUE(contains(refused.out, "question: This design has changed.")) << refused.out;
}

} // namespace
