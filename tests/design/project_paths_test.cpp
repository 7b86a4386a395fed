// Project paths: the checks for load, save as and macros, untitled names in real
// directories, entity and architecture directories, the title, the lock line.
#include "design/design_constructors.h"
#include "design/lock_file.h"
#include "design/project_paths.h"
#include "project_test_fixture.h"

namespace {

using namespace zeph;
using namespace zeph::testing;

class ProjectPaths : public ProjectTest {
  protected:
    // The message box a refused path shows, or "" when accepted.
    std::string refusal(const std::string& path, PathPurpose purpose) {
        platform.clear_transcript();
        bool ok = validate_project_path(platform, path, purpose);
        std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
        EXPECT_EQ(ok, boxes.empty()) << path;
        return boxes.empty() ? "" : boxes.front();
    }
};

TEST_F(ProjectPaths, UntitledNamesAreRefusedForEveryPurposeButLookalikesPass) {
    EXPECT_EQ(refusal(at("untitl12.vdp"), PathPurpose::SaveAs),
              "zeph|'untitled' directory not allowed.");
    EXPECT_EQ(refusal(at("UNTITLED.VDP"), PathPurpose::Load),
              "zeph|'untitled' directory not allowed.");
    EXPECT_EQ(refusal(at("u1234567.vdp"), PathPurpose::SaveAs),
              "zeph|'untitled' directory not allowed.");
    EXPECT_EQ(refusal(at("myuntitled.vdp"), PathPurpose::SaveAs), "");
    EXPECT_EQ(refusal(at("untitlex.vdp"), PathPurpose::SaveAs), "");
    EXPECT_EQ(refusal(at("untitle.vdp"), PathPurpose::SaveAs), "");
    EXPECT_EQ(refusal(at("12345678.vdp"), PathPurpose::SaveAs), "");
    // The trial directories of save as are gone again.
    EXPECT_FALSE(exists(at("myuntitled.vdp")));
}

TEST_F(ProjectPaths, ExtensionsByPurpose) {
    struct Case {
        const char* name;
        bool load, save_as, macro;
    } cases[] = {
        {"cpu.vdp", true, true, false},         {"cpu.VDP", true, true, false},
        {"old.vdf", true, false, false},        {"lib.vmp", false, false, true},
        {"a.vdp/old.vdf", false, false, false}, {"a.vmp/b.vdp", false, false, false},
        {"a.vdf.vdp", false, false, false},     {"cpu", false, false, false},
        {"a.vdp/lib.vmp", false, false, false},
    };
    for (const Case& c : cases) {
        std::string path = at(c.name);
        std::string illegal = "zeph|Illegal directory '" + path + "'.";
        EXPECT_EQ(refusal(path, PathPurpose::Load), c.load ? "" : illegal) << c.name;
        EXPECT_EQ(refusal(path, PathPurpose::SaveAs), c.save_as ? "" : illegal) << c.name;
        EXPECT_EQ(refusal(path, PathPurpose::Macro), c.macro ? "" : illegal) << c.name;
    }
}

TEST_F(ProjectPaths, LengthLimits) {
    // 230 characters: fine to load, too long to save as.
    std::string path = "/" + std::string(225, 'p') + ".vdp";
    ASSERT_EQ(path.size(), 230u);
    EXPECT_EQ(refusal(path, PathPurpose::SaveAs),
              "zeph|Illegal directory '" + path + "'\n(path too long).");
    EXPECT_EQ(refusal(path, PathPurpose::Load), "");
    std::string longest = "/" + std::string(251, 'p') + ".vdp";
    EXPECT_EQ(refusal(longest, PathPurpose::Load), "");
    std::string over = "/" + std::string(252, 'p') + ".vdp";
    EXPECT_EQ(refusal(over, PathPurpose::Load), "zeph|Illegal directory '" + over + "'.");
    // 226 characters plus 29 stay below 256: the trial decides.
    std::string fits = root + "/" + std::string(221 - root.size(), 'q') + ".vdp";
    ASSERT_EQ(fits.size(), 226u);
    EXPECT_EQ(refusal(fits, PathPurpose::SaveAs), "");
}

TEST_F(ProjectPaths, SaveAsNeedsRoomForTheTrialDirectories) {
    // A file where the project directory would be: the trial cannot create it.
    write(at("blocked.vdp"), "not a directory");
    EXPECT_EQ(refusal(at("blocked.vdp"), PathPurpose::SaveAs),
              "zeph|Illegal directory '" + at("blocked.vdp") +
                  "'\n(path too long to save project on FAT file system).");
    EXPECT_EQ(read(at("blocked.vdp")), "not a directory");
    // Trial directories inside an existing directory are removed, the directory stays.
    std::filesystem::create_directory(at("there.vdp"));
    EXPECT_EQ(refusal(at("there.vdp"), PathPurpose::SaveAs), "");
    EXPECT_TRUE(std::filesystem::is_empty(at("there.vdp")));
}

TEST_F(ProjectPaths, UntitledNamingCountsUpInTheRealDirectory) {
    auto exists_here = [](const std::string& p) { return std::filesystem::exists(p); };
    EXPECT_EQ(untitled_project_path(root, exists_here), at("untitled.vdp"));
    std::filesystem::create_directory(at("untitled.vdp"));
    std::filesystem::create_directory(at("untitle0.vdp"));
    EXPECT_EQ(untitled_project_path(root, exists_here), at("untitle1.vdp"));
    int n = 0;
    auto first_eleven = [&n](const std::string&) { return n++ < 11; };
    EXPECT_EQ(untitled_project_path(root, first_eleven), at("untitl10.vdp"));
}

TEST_F(ProjectPaths, UntitledBaseDirectoryLeavesProjects) {
    EXPECT_EQ(untitled_base_directory(root), root);
    std::filesystem::create_directories(at("cpu.vdp/work"));
    EXPECT_EQ(untitled_base_directory(at("cpu.vdp")), root); // from the current directory
    std::filesystem::current_path(at("cpu.vdp/work"));
    EXPECT_EQ(untitled_base_directory(""), root);
    EXPECT_EQ(untitled_base_directory(at("missing")), root);
}

TEST_F(ProjectPaths, EntityAndArchitectureDirectories) {
    Design design;
    Entity& counter = add_entity(design, new_entity(design, "Counter"));
    Entity& wide = add_entity(design, new_entity(design, "VeryLongEntityName"));
    Architecture& rtl =
        add_architecture(counter, new_architecture(kArchitectureBlockDiagram, "rtl"));
    Architecture& behaviour =
        add_architecture(wide, new_architecture(kArchitectureHdlFile, "Behavioural_Model"));
    EXPECT_EQ(entity_directory(design, counter), "work/counter");
    EXPECT_EQ(entity_directory(design, wide), "work/0verylon");
    EXPECT_EQ(architecture_directory(design, counter, rtl), "work/counter/rtl");
    EXPECT_EQ(architecture_directory(design, wide, behaviour), "work/0verylon/0behavio");
    // A record without a name gets one on first use, from the counters.
    counter.directory.clear();
    rtl.directory.clear();
    EXPECT_EQ(architecture_directory(design, counter, rtl), "work/counter/rtl");
    Entity& later = add_entity(design, new_entity(design, "AnotherLongOne"));
    EXPECT_EQ(entity_directory(design, later), "work/1another");
    EXPECT_EQ(design.entity_directory_counter, 2);
}

TEST_F(ProjectPaths, TitleAndLockLine) {
    EXPECT_EQ(project_title("/d/cpu.vdp", false, false), "ZEPH/HDL - /d/cpu.vdp");
    EXPECT_EQ(project_title("", true, true), "ZEPH/HDL - [Untitled] [Modified]");
    std::string path45 = "/" + std::string(40, 'd') + ".vdp";
    ASSERT_EQ(path45.size(), 45u);
    EXPECT_EQ(project_title(path45, false, false), "ZEPH/HDL - " + path45);
    EXPECT_EQ(project_title(path45 + "x", false, false), "ZEPH/HDL - ..." + path45.substr(1) + "x");
    EXPECT_EQ(project_title(path45, false, true),
              "ZEPH/HDL - ..." + (path45 + " [Modified]").substr(11));
    EXPECT_EQ(lock_line("ann", "bench", "Tue Nov 14 22:13:20 2023"),
              "ZEPH/HDL lockfile by ann on bench at Tue Nov 14 22:13:20 2023");
    EXPECT_EQ(first_lock_line("first\r\nsecond\n"), "first");
    EXPECT_EQ(first_lock_line(std::string(300, 'x')), std::string(256, 'x'));
}

TEST_F(ProjectPaths, AbsolutePaths) {
    EXPECT_EQ(absolute_path("cpu.vdp", "/home/ann"), "/home/ann/cpu.vdp");
    EXPECT_EQ(absolute_path("./a/../b.vdp/", "/x"), "/x/b.vdp");
    EXPECT_EQ(absolute_path("/abs//p.vdp", "/x"), "/abs/p.vdp");
    EXPECT_EQ(absolute_path("..", "/"), "/");
    EXPECT_EQ(parent_directory("/a/b.vdp"), "/a");
    EXPECT_EQ(parent_directory("/b.vdp"), "/");
    EXPECT_EQ(join_path("work", "design.vdf"), "work/design.vdf");
}

} // namespace
