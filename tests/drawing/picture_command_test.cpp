// The picture command in the real zeph program, driven by a batch script: the current
// diagram, a named one, every diagram into a folder, paths taken from the directory the
// program started in, and refusals.
#include "picture_test_support.h"

#include "design/design_file.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <filesystem>

namespace zeph::picture_testing {
namespace {

namespace fs = std::filesystem;

class PictureCommandTest : public ::testing::Test {
  protected:
    // Ends with "exit", declining to save when the script changed the design.
    shell_test::ZephResult script(const std::string& commands, bool changes_design = true) {
        shell_test::write_file(dir / "run.zeph",
                               commands + (changes_design ? "answer no\n" : "") + "exit\n");
        shell_test::ZephRun run;
        run.args = {"--batch", dir / "run.zeph"};
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"}, {"HOME", dir.path()}};
        return shell_test::run_zeph(run);
    }
    std::string lines_of(const shell_test::ZephResult& result, const std::string& kind) {
        std::string found;
        std::istringstream in(result.out);
        for (std::string line; std::getline(in, line);)
            if (line.rfind(kind + ": ", 0) == 0) found += line + "\n";
        return found;
    }

    shell_test::ScratchDir dir;
};

constexpr const char* kDrawing = "add-component 1024 1024 u0 counter\n"
                                 "add-port in 256 1088 clk\n"
                                 "wire 384 1088 960 1088\n"
                                 "add-text 512 2048 hello picture\n";

TEST_F(PictureCommandTest, CurrentNamedAndAllDiagrams) {
    shell_test::ZephResult r = script(std::string(kDrawing) + "picture out.svg\n"
                                                              "picture named.svg counter a0\n"
                                                              "picture --all pics\n"
                                                              "select 1024 1024\n"
                                                              "picture selected.svg\n");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(lines_of(r, "error"), "");
    EXPECT_EQ(lines_of(r, "picture"),
              "picture: out.svg\npicture: named.svg\n"
              "picture: pics/Toplevel.a0.svg\npicture: pics/counter.a0.svg\n"
              "picture: selected.svg\n");
    // Written where the program started, not into the project (which is deleted here).
    EXPECT_FALSE(fs::exists(dir / "untitled.vdp"));
    for (const char* name :
         {"out.svg", "named.svg", "pics/Toplevel.a0.svg", "pics/counter.a0.svg", "selected.svg"})
        expect_valid_svg(dir / name, dir / "check.png");

    std::string current = shell_test::read_file(dir / "out.svg");
    EXPECT_NE(current.find("<title>Toplevel a0</title>"), std::string::npos);
    EXPECT_NE(current.find(">u0:counter:a0(B)</text>"), std::string::npos);
    EXPECT_NE(current.find(">hello picture</text>"), std::string::npos);
    EXPECT_NE(current.find(">clk</text>"), std::string::npos);
    EXPECT_EQ(current, shell_test::read_file(dir / "pics/Toplevel.a0.svg"));
    EXPECT_NE(shell_test::read_file(dir / "named.svg").find("<title>counter a0</title>"),
              std::string::npos);
    // The selected component in the selection colours (15 on 14).
    std::string selected = shell_test::read_file(dir / "selected.svg");
    EXPECT_NE(selected.find("fill=\"#ffff55\" stroke=\"#ffffff\""), std::string::npos);
    EXPECT_EQ(current.find("fill=\"#ffff55\""), std::string::npos);
}

// A project whose state diagram was drawn and saved is opened again and drawn with the state
// diagram colours of the settings.
TEST_F(PictureCommandTest, StateDiagramsOfAProject) {
    shell_test::ZephResult made = script("save-as light.vdp\n"
                                         "add-component 1024 1024 u0 light state\n"
                                         "save\n",
                                         false);
    ASSERT_EQ(made.status, 0) << made.out << made.err;
    const std::string file = dir / "light.vdp/design/design.vdf";
    {
        Design drawn;
        ASSERT_EQ(read_design_file(file, drawn), 0);
        Entity* light = find_entity(drawn, "light");
        ASSERT_NE(light, nullptr);
        StateMachine& m = *light->architectures.front()->state_machine;
        ui::ScriptedPlatform quiet;
        StateDiagramSettings settings;
        MachineContext context{drawn, quiet, settings};
        ASSERT_EQ(add_state(m, context, {1024, 1024}, std::string("off")), Outcome::Done);
        ASSERT_EQ(add_state(m, context, {2560, 1024}, std::string("lit")), Outcome::Done);
        ASSERT_EQ(add_curved_transition(m, context, {1024, 1024}, {2560, 1024}), Outcome::Done);
        ASSERT_EQ(write_design_file(file, drawn), 0);
    }
    shell_test::write_file(dir / "config/zeph/zeph.ini",
                           "[GUI]\nSaveSettingsOnExit=no\n"
                           "[ColoursRef]\nStateBackground=9\nTransitions=12\n");
    shell_test::write_file(dir / "run.zeph", "picture light.svg light\n"
                                             "picture --all pics\nexit\n");
    shell_test::ZephRun run;
    run.args = {"--batch", dir / "run.zeph", "light.vdp"};
    run.cwd = dir.path();
    run.env = {{"XDG_CONFIG_HOME", dir / "config"}, {"HOME", dir.path()}};
    shell_test::ZephResult r = shell_test::run_zeph(run);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(lines_of(r, "error"), "");
    EXPECT_EQ(lines_of(r, "picture"), "picture: light.svg\n"
                                      "picture: pics/Toplevel.a0.svg\n"
                                      "picture: pics/light.a0.svg\n");
    expect_valid_svg(dir / "light.svg", dir / "check.png");
    std::string svg = shell_test::read_file(dir / "light.svg");
    EXPECT_NE(svg.find("<title>light a0</title>"), std::string::npos);
    EXPECT_NE(svg.find(">off</text>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#5555ff\""), std::string::npos);   // state background 9
    EXPECT_NE(svg.find("stroke=\"#ff5555\""), std::string::npos); // transitions 12
    EXPECT_EQ(svg, shell_test::read_file(dir / "pics/light.a0.svg"));
}

TEST_F(PictureCommandTest, ColoursAndGridFactorFromTheSettings) {
    shell_test::write_file(
        dir / "config/zeph/zeph.ini",
        "[GUI]\nGridFactor=2\nSaveSettingsOnExit=no\n[ColoursRef]\nComponents=12\n");
    shell_test::ZephResult r = script(std::string(kDrawing) + "picture out.svg\n");
    EXPECT_EQ(lines_of(r, "error"), "");
    std::string svg = shell_test::read_file(dir / "out.svg");
    EXPECT_NE(svg.find("stroke=\"#ff5555\""), std::string::npos);
    EXPECT_NE(svg.find("<pattern id=\"grid1\""), std::string::npos);
}

TEST_F(PictureCommandTest, Refusals) {
    fs::create_directory(dir / "taken.svg");
    shell_test::write_file(dir / "file", "x");
    shell_test::ZephResult r = script("picture a.svg Nope\n"
                                      "picture b.svg Toplevel nothing\n"
                                      "picture taken.svg\n"
                                      "picture --all file\n"
                                      "picture --all\n",
                                      false);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines_of(r, "error"), "error: no entity 'Nope'\n"
                                    "error: entity 'Toplevel' has no block diagram 'nothing'\n"
                                    "error: cannot write '" +
                                        (dir / "taken.svg") +
                                        "': Is a directory\n"
                                        "error: '" +
                                        (dir / "file") +
                                        "' is not a folder\n"
                                        "error: picture --all takes one FOLDER\n");
    EXPECT_FALSE(fs::exists(dir / "a.svg"));
    EXPECT_FALSE(fs::exists(dir / "b.svg"));
    EXPECT_TRUE(fs::is_directory(dir / "taken.svg"));
    EXPECT_EQ(shell_test::read_file(dir / "file"), "x");
}

} // namespace
} // namespace zeph::picture_testing
