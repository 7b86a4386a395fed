// The shell's "generate" command on the datapath: refused until a verification allows it,
// its words checked, and a run that writes one file per entity where the script says.
#include "datapath_design.h"

#include "hdl/vhdl_keywords.h"
#include "shell/builtin_commands.h"
#include "shell/generate_commands.h"
#include "shell/settings_file.h"
#include "shell/shell.h"
#include "ui/console_platform.h"

#include <sstream>
#include <unistd.h>

namespace {

using namespace hdl_text_test;

class GenerateCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(pipe(fds), 0);
        input = std::make_unique<InputStream>(fds[0], &timers);
        console = std::make_unique<ui::ConsolePlatform>(*input, out, false);
        ui::set_platform(console.get());
        set_current_design(&design);
        settings = std::make_unique<SettingsFile>((dir.path() / "zeph.ini").string());
        shell = std::make_unique<Shell>(*console, *input, timers);
        add_builtin_commands(*shell);
        add_generate_commands(
            *shell, *settings, [this] { return &design; },
            [this](const Design&) { return verified; });
        build_datapath(design, d);
        settings->settings().environment.overwrite_out_files = true;
        settings->settings().tools.analysis_tool = 0;
    }
    void TearDown() override {
        set_current_design(nullptr);
        ui::set_platform(nullptr);
        apply_keyword_case(kKeywordLower);
        close(fds[1]);
        close(fds[0]);
    }
    std::string run(const std::string& line) {
        out.str("");
        shell->execute_line(line);
        return out.str();
    }

    ScratchDirectory dir;
    int fds[2] = {-1, -1};
    Timers timers;
    std::ostringstream out;
    std::unique_ptr<InputStream> input;
    std::unique_ptr<ui::ConsolePlatform> console;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<Shell> shell;
    Design design;
    Datapath d;
    bool verified = false;
};

TEST_F(GenerateCommandTest, RefusedBeforeAVerificationAllowsIt) {
    std::string text = run("generate");
    EXPECT_NE(text.find("generate needs a verification of the entire design"), std::string::npos)
        << text;
}

TEST_F(GenerateCommandTest, WordsAreChecked) {
    verified = true;
    EXPECT_NE(run("generate colour=red").find("unknown option 'colour=red'"), std::string::npos);
    EXPECT_NE(run("generate root=Toplevel").find("'Toplevel' cannot be the root"),
              std::string::npos);
    EXPECT_NE(run("generate arch=none").find("no architecture 'none' of 'datapath'"),
              std::string::npos);
    EXPECT_NE(run("generate split=3").find("split must be 0, 1 or 2"), std::string::npos);
}

TEST_F(GenerateCommandTest, WritesOneFilePerEntityIntoTheChosenDirectory) {
    verified = true;
    std::filesystem::path chosen = dir.path() / "hdl" / "inv4.vhd";
    std::string text =
        run("generate root=datapath parts=52 split=1 overwrite file=" + chosen.string());
    for (const char* name : {"inv4.vhd", "buf4.vhd", "datapath.vhd"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "hdl" / name)) << name;
        EXPECT_NE(text.find((dir.path() / "hdl" / name).string()), std::string::npos) << text;
    }
    EXPECT_NE(read_file(dir.path() / "hdl" / "datapath.vhd").find("datapath_structure"),
              std::string::npos);
    EXPECT_EQ(settings->settings().environment.outputs, (dir.path() / "hdl").string())
        << "a directory other than the project's output directory is remembered";
}

} // namespace
