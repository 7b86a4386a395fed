// The picture command in the real zeph program, driven by a batch script: the current
// diagram, a named one, every diagram into a folder, paths taken from the directory the
// program started in, and refusals.
#include "picture_test_support.h"

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
