// Logical directories, path resolution, and the project argument of the command line with its
// refusals and its place.
#include "foundation/system_message.h"
#include "shell/command_line.h"
#include "shell/logical_directories.h"
#include "ui/scripted_platform.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace zeph;

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.directories = {{"DESIGNS", "/data/designs"}, {"Shadow", "/from/settings"}};
        setenv("ZEPH_TEST_ENV_DIR", "/from/env", 1);
        setenv("Shadow", "/from/env/shadow", 1);
    }
    void TearDown() override {
        unsetenv("ZEPH_TEST_ENV_DIR");
        unsetenv("Shadow");
    }
    std::optional<std::string> resolve(const std::string& path) {
        return resolve_path(path, settings, "/home/u", &platform);
    }
    std::vector<std::string> boxes() const { return platform.shown(ui::Shown::Box); }

    ui::ScriptedPlatform platform;
    Settings settings;
};

TEST_F(PathsTest, LogicalDirectoriesComeFromTheSettingsThenTheEnvironment) {
    EXPECT_EQ(resolve("$DESIGNS\\cpu.vdp"), "/data/designs/cpu.vdp");
    EXPECT_EQ(resolve("$designs/cpu.vdp"), "/data/designs/cpu.vdp");
    EXPECT_EQ(resolve("$DESIGNS"), "/data/designs");
    EXPECT_EQ(resolve("$ZEPH_TEST_ENV_DIR\\lib\\pkg.vhd"), "/from/env/lib/pkg.vhd");
    EXPECT_EQ(resolve("$Shadow\\x"), "/from/settings/x");
    EXPECT_TRUE(platform.transcript().empty());
}

TEST_F(PathsTest, AnUndefinedLogicalDirectoryIsRefused) {
    EXPECT_FALSE(resolve("$NOWHERE\\cpu.vdp"));
    EXPECT_FALSE(resolve("$\\cpu.vdp"));
    ASSERT_EQ(platform.transcript().size(), 2u);
    EXPECT_EQ(platform.transcript()[0].text, "No definition for logical directory 'NOWHERE'.");
    EXPECT_EQ(platform.transcript()[1].text, "No definition for logical directory ''.");
    EXPECT_FALSE(resolve_path("$NOWHERE", settings, "/home/u", nullptr));
    EXPECT_EQ(platform.transcript().size(), 2u);
}

TEST_F(PathsTest, RelativePathsBecomeFull) {
    EXPECT_EQ(resolve("sub\\dir\\"), "/home/u/sub/dir");
    EXPECT_EQ(resolve(".\\sub"), "/home/u/sub");
    EXPECT_EQ(resolve("."), "/home/u");
    EXPECT_EQ(resolve("/abs/path/"), "/abs/path");
    EXPECT_EQ(resolve("/"), "/");
    EXPECT_EQ(resolve("c:\\tools"), "c:/tools");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(PathsTest, DriveWithoutRootAndOverlongPathsAreIllegal) {
    EXPECT_FALSE(resolve("c:tools"));
    std::string longest = "/" + std::string(255, 'a');
    EXPECT_EQ(resolve(longest), longest);
    EXPECT_FALSE(resolve(longest + "b"));
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           program_name() + "|Illegal directory 'c:tools'.",
                           program_name() + "|Illegal directory '" + longest + "b'.",
                       }));
}

TEST(CommandLineOptions, OptionsAndTheProjectArgument) {
    CommandLine c = parse_command_line({"--batch", "run.zeph", "--settings=my.ini", "cpu"});
    EXPECT_EQ(c.batch_file, "run.zeph");
    EXPECT_EQ(c.settings_file, "my.ini");
    EXPECT_EQ(c.project, "cpu");
    EXPECT_TRUE(c.error.empty());
    EXPECT_EQ(parse_command_line({"--frobnicate"}).error, "unknown option '--frobnicate'");
    EXPECT_EQ(parse_command_line({"a", "b"}).error, "only one design project can be named");
    EXPECT_EQ(parse_command_line({"--batch"}).error, "--batch needs a file name");
    EXPECT_TRUE(parse_command_line({"--help"}).help);
}

TEST(ProjectArgument, RefusalsAndTheAddedExtension) {
    EXPECT_EQ(check_project_argument("cpu").name, "cpu.vdp");
    EXPECT_TRUE(check_project_argument("cpu").refusal.empty());
    EXPECT_TRUE(check_project_argument("CPU.VDP").refusal.empty());
    for (const char* path : {"designs\\cpu", "designs/cpu.vdp", "c:cpu", "\\cpu"})
        EXPECT_EQ(check_project_argument(path).refusal, kPathInArgument) << path;
    for (const char* other : {"lib.vmp", "old.vdf", "cpu.vdp.bak", ".vdp2"})
        EXPECT_EQ(check_project_argument(other).refusal, kNotADesignProject) << other;
    std::string too_long(257, 'x');
    EXPECT_EQ(check_project_argument(too_long).refusal, "Illegal directory '" + too_long + "'.");
    // No room for ".vdp": the name stays without extension and is refused as such.
    EXPECT_EQ(check_project_argument(std::string(254, 'x')).refusal, kNotADesignProject);
}

TEST_F(PathsTest, TheProjectLivesInTheDesignsDirectoryUnlessItIsHere) {
    std::set<std::string> existing;
    auto exists = [&](const std::string& p) { return existing.count(p) > 0; };
    EXPECT_EQ(place_project(platform, "cpu.vdp", settings, "/home/u", exists), "/home/u/cpu.vdp");
    settings.environment.designs = "$DESIGNS\\mine";
    EXPECT_EQ(place_project(platform, "cpu.vdp", settings, "/home/u", exists),
              "/data/designs/mine/cpu.vdp");
    existing.insert("/home/u/cpu.vdp");
    EXPECT_EQ(place_project(platform, "cpu.vdp", settings, "/home/u", exists), "/home/u/cpu.vdp");
    EXPECT_TRUE(platform.transcript().empty());
}

TEST_F(PathsTest, AProjectPlaceThatCannotBeUsedIsRefused) {
    auto nothing = [](const std::string&) { return false; };
    settings.environment.designs = "/work/top.vdp/designs";
    EXPECT_FALSE(place_project(platform, "cpu.vdp", settings, "/home/u", nothing));
    settings.environment.designs = "/work/Macro.VMP";
    EXPECT_FALSE(place_project(platform, "cpu.vdp", settings, "/home/u", nothing));
    settings.environment.designs = "/" + std::string(248, 'd');
    EXPECT_FALSE(place_project(platform, "cpu.vdp", settings, "/home/u", nothing));
    EXPECT_TRUE(platform.transcript().empty()); // refused silently
    settings.environment.designs = "$UNDEFINED";
    EXPECT_FALSE(place_project(platform, "cpu.vdp", settings, "/home/u", nothing));
    EXPECT_EQ(platform.last_status(), "No definition for logical directory 'UNDEFINED'.");
}

} // namespace
