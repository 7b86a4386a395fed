// Loading design projects from real directories: the lock question, the recovery of an
// interrupted run, a saved copy that is missing or unreadable, an interrupted save, the
// conversion of an old single-file design, the copy "design.bak", and reloading.
#include "design/design_constructors.h"
#include "design/lock_file.h"
#include "design/project_paths.h"
#include "project_test_fixture.h"

namespace {

using namespace zeph;
using namespace zeph::testing;
using Lines = std::vector<std::string>;

class ProjectLoad : public ProjectTest {
  protected:
    void SetUp() override {
        ProjectTest::SetUp();
        make_saved_project("cpu.vdp", "saved");
    }
    // Leaves "work" behind as a run that was killed would: the design file of `information`,
    // and an autobackup of `backup` unless that is empty.
    void leave_interrupted_work(const std::string& information, const std::string& backup) {
        DesignProject killed(platform, options);
        ASSERT_TRUE(killed.load_project(at("cpu.vdp")));
        killed.design().design_information = information;
        killed.mark_modified();
        ASSERT_TRUE(killed.save_design_file("work/design.vdf", kSaveAutobackup));
        if (!backup.empty()) {
            killed.design().design_information = backup;
            killed.mark_modified();
            ASSERT_TRUE(killed.autobackup());
        }
        killed.abandon();
        std::filesystem::current_path(root);
        platform.clear_transcript();
    }
    DesignProject project{platform, options};
};

TEST_F(ProjectLoad, ALoadCopiesTheSavedCopyAndLocksTheProject) {
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(shown(), (Lines{"status: Copying 'design' to 'work'...",
                              "status: Loading 'work/design.vdf'...",
                              "status: Loading 'work/config.cfg'..."}));
    EXPECT_EQ(project.design().design_information, "saved");
    EXPECT_FALSE(project.untitled());
    EXPECT_FALSE(project.modified());
    EXPECT_EQ(project.title(), project_title(at("cpu.vdp"), false, false));
    EXPECT_EQ(project.designs_directory(), root);
    EXPECT_EQ(std::filesystem::current_path(), at("cpu.vdp"));
    EXPECT_EQ(read(at("cpu.vdp/lockfile")), current_lock_line() + "\n");
    ASSERT_NE(project.design().current_entity, nullptr);
    EXPECT_EQ(project.design().current_entity->name, "Toplevel");
    EXPECT_NE(project.design().current_architecture, nullptr);
    EXPECT_FALSE(exists(at("cpu.vdp/design.bak")));
}

TEST_F(ProjectLoad, ALockedProjectAsksAndNoKeepsTheOpenProject) {
    const std::string foreign = "ZEPH/HDL lockfile by ann on bench at Tue Nov 14 22:13:20 2023";
    write(at("cpu.vdp/lockfile"), foreign + "\nsecond line\n");
    ASSERT_TRUE(project.new_project());
    platform.clear_transcript();
    platform.queue(ui::Answer::No);
    EXPECT_FALSE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(shown(), Lines{"question: Project '@/cpu.vdp' is locked.\nLockfile contents:\n\n \"" +
                             foreign + "\"\n\nDo you want to remove the lockfile ?"});
    EXPECT_TRUE(project.untitled());
    EXPECT_EQ(project.path(), at("untitled.vdp"));
    EXPECT_EQ(read(at("cpu.vdp/lockfile")), foreign + "\nsecond line\n");
    EXPECT_FALSE(exists(at("cpu.vdp/work")));

    platform.queue(ui::Answer::Yes);
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(read(at("cpu.vdp/lockfile")), current_lock_line() + "\n");
    // The untitled project that was left is gone, with its lock.
    EXPECT_FALSE(exists(at("untitled.vdp")));
}

TEST_F(ProjectLoad, AnUnansweredLockQuestionChangesNothing) {
    write(at("cpu.vdp/lockfile"), "other\n");
    EXPECT_THROW(project.load_project(at("cpu.vdp")), ui::QuestionNotAnswered);
    EXPECT_FALSE(project.is_open());
    EXPECT_EQ(read(at("cpu.vdp/lockfile")), "other\n");
}

TEST_F(ProjectLoad, TwoProjectObjectsOnOneProject) {
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    std::filesystem::current_path(root);
    DesignProject second(platform, options);
    platform.clear_transcript();
    platform.queue(ui::Answer::No);
    EXPECT_FALSE(second.load_project(at("cpu.vdp")));
    Lines questions = platform.shown(ui::Shown::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(" \"" + current_lock_line() + "\"\n"), std::string::npos);
    EXPECT_TRUE(exists(at("cpu.vdp/lockfile")));
    EXPECT_TRUE(exists(at("cpu.vdp/work/design.vdf")));
}

TEST_F(ProjectLoad, AnAutobackupAnsweredNoIsRemovedAndTheSavedCopyLoaded) {
    leave_interrupted_work("in work", "in backup");
    platform.queue(ui::Answer::No);
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(
        shown(),
        (Lines{"question: Run time backup file found.\nDo you want to recover it?",
               "status: Removing old 'work'...", "status: Copying 'design' to 'work'...",
               "status: Loading 'work/design.vdf'...", "status: Loading 'work/config.cfg'..."}));
    EXPECT_EQ(project.design().design_information, "saved");
    EXPECT_FALSE(exists(at("cpu.vdp/work/design.bk!")));
    EXPECT_FALSE(project.modified());
}

TEST_F(ProjectLoad, RecoveryTakesTheAutobackupFirstThenTheWorkingFile) {
    leave_interrupted_work("in work", "in backup");
    platform.queue(ui::Answer::Yes);
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(project.design().design_information, "in backup");
    EXPECT_TRUE(project.modified());
    EXPECT_TRUE(project.title().ends_with("/cpu.vdp [Modified]")) << project.title();
    // The saved copy is untouched until the user saves.
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "saved");
    project.abandon();

    std::filesystem::current_path(root);
    std::filesystem::remove(at("cpu.vdp/work/design.bk!"));
    platform.clear_transcript();
    platform.queue(ui::Answer::Yes);
    DesignProject again(platform, options);
    ASSERT_TRUE(again.load_project(at("cpu.vdp")));
    EXPECT_EQ(again.design().design_information, "in work");
}

TEST_F(ProjectLoad, ARecoveryWithoutSavedCopyIsSavedAtOnce) {
    leave_interrupted_work("only copy", "");
    std::filesystem::remove_all(at("cpu.vdp/design"));
    std::filesystem::remove_all(at("cpu.vdp/design.old"));
    platform.queue(ui::Answer::Yes);
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "only copy");
    EXPECT_TRUE(project.modified());
}

// Declining the recovery when there is no saved copy would leave nothing: the working copy
// stays for a later Yes, and the user is told.
TEST_F(ProjectLoad, DecliningTheRecoveryWithoutSavedCopyKeepsTheWorkingCopy) {
    leave_interrupted_work("only copy", "only backup");
    std::filesystem::remove_all(at("cpu.vdp/design"));
    std::filesystem::remove_all(at("cpu.vdp/design.old"));
    platform.queue(ui::Answer::No);
    EXPECT_FALSE(project.load_project(at("cpu.vdp")));
    Lines boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "zeph|Corrupt design structure: directory 'design' not found.\nThe working "
                        "copy 'work' is kept; answer Yes to recover it.");
    EXPECT_EQ(information_of(at("cpu.vdp/work/design.vdf")), "only copy");
    EXPECT_EQ(information_of(at("cpu.vdp/work/design.bk!")), "only backup");
    EXPECT_TRUE(project.untitled());
    project.leave();

    // The next load offers the recovery again, and Yes takes it.
    std::filesystem::current_path(root);
    platform.clear_transcript();
    platform.queue(ui::Answer::Yes);
    DesignProject again(platform, options);
    ASSERT_TRUE(again.load_project(at("cpu.vdp")));
    EXPECT_EQ(again.design().design_information, "only backup");
}

TEST_F(ProjectLoad, AMissingSavedCopyGivesANewUntitledDesign) {
    std::filesystem::remove_all(at("cpu.vdp/design"));
    std::filesystem::remove_all(at("cpu.vdp/design.old"));
    EXPECT_FALSE(project.load_project(at("cpu.vdp")));
    Lines boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "zeph|Corrupt design structure: directory 'design' not found.");
    EXPECT_TRUE(project.is_open());
    EXPECT_TRUE(project.untitled());
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    project.leave();
}

TEST_F(ProjectLoad, AnUnreadableDesignFileGivesANewDesignAndRemovesTheWorkingCopy) {
    write(at("cpu.vdp/design/design.vdf"), "this is no design file\n");
    EXPECT_FALSE(project.load_project(at("cpu.vdp")));
    Lines statuses = platform.shown(ui::Shown::Status);
    ASSERT_GE(statuses.size(), 3u);
    EXPECT_EQ(statuses[2],
              "Warning 102: Input file 'work/design.vdf' incorrect (not an ZEPH/HDL design file)");
    EXPECT_TRUE(project.untitled());
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    EXPECT_EQ(read(at("cpu.vdp/design/design.vdf")), "this is no design file\n");
    project.leave();
}

TEST_F(ProjectLoad, ASaveKilledAfterRenamingTheSavedCopyIsRepaired) {
    // Killed between "design" -> "design.old" and the arrival of the new "design".
    std::filesystem::remove_all(at("cpu.vdp/design.old"));
    std::filesystem::rename(at("cpu.vdp/design"), at("cpu.vdp/design.old"));
    std::filesystem::create_directory(at("cpu.vdp/design.partial"));
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(project.design().design_information, "saved");
    EXPECT_FALSE(exists(at("cpu.vdp/design.partial")));
    EXPECT_FALSE(exists(at("cpu.vdp/design.old")));
}

TEST_F(ProjectLoad, AnOldSingleFileDesignIsConverted) {
    write(at("old.vdf"), read(at("cpu.vdp/design/design.vdf")));
    ASSERT_TRUE(project.load_project(at("old.vdf")));
    Lines lines = shown();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "status: Converting old-style design file to design project.");
    EXPECT_EQ(project.path(), at("old.vdp"));
    EXPECT_FALSE(project.untitled());
    EXPECT_EQ(information_of(at("old.vdp/design/design.vdf")), "saved");
    EXPECT_TRUE(exists(at("old.vdp/work/design.vdf")));
    EXPECT_TRUE(exists(at("old.vdp/lockfile")));
    EXPECT_TRUE(exists(at("old.vdf")));
    // A project of that name already there is not overwritten.
    project.leave();
    std::filesystem::current_path(root);
    platform.clear_transcript();
    EXPECT_FALSE(project.load_project(at("old.vdf")));
    EXPECT_EQ(platform.shown(ui::Shown::Box),
              Lines{"zeph|Cannot create directory '" + at("old.vdp") + "': File exists."});
    EXPECT_EQ(information_of(at("old.vdp/design/design.vdf")), "saved");
}

TEST_F(ProjectLoad, TheBackupCopyOfTheSavedDesignWhenConfigured) {
    options.create_design_bak_dir = true;
    project.set_options(options);
    write(at("cpu.vdp/design.bak/stale.txt"), "old");
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(information_of(at("cpu.vdp/design.bak/design.vdf")), "saved");
    EXPECT_FALSE(exists(at("cpu.vdp/design.bak/stale.txt")));
}

TEST_F(ProjectLoad, ReloadingTheOpenProjectDropsItsChanges) {
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    project.design().design_information = "unsaved";
    project.mark_modified();
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    EXPECT_EQ(project.design().design_information, "saved");
    EXPECT_FALSE(project.modified());
    EXPECT_TRUE(exists(at("cpu.vdp/lockfile")));
}

TEST_F(ProjectLoad, LoadingAnotherProjectLeavesTheFirstClean) {
    make_saved_project("alu.vdp", "alu");
    ASSERT_TRUE(project.load_project(at("cpu.vdp")));
    ASSERT_TRUE(project.load_project(at("alu.vdp")));
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    EXPECT_TRUE(exists(at("alu.vdp/lockfile")));
    EXPECT_EQ(project.design().design_information, "alu");
    // A refused path keeps the open project.
    EXPECT_FALSE(project.load_project(at("lib.vmp")));
    EXPECT_EQ(project.path(), at("alu.vdp"));
}

} // namespace
