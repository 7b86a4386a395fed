// Design projects in real directories: a new untitled project, saving with its exact sequence,
// a real write error (a file-size limit) that restores the previous design file, repairs that
// are retried and given up, save as from untitled and titled projects, autobackup, leaving.
#include "design/design_constructors.h"
#include "design/lock_file.h"
#include "design/project_paths.h"
#include "project_test_fixture.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

using namespace zeph;
using namespace zeph::testing;
using Lines = std::vector<std::string>;

class ProjectSave : public ProjectTest {
  protected:
    // An open titled project "cpu.vdp" whose saved design holds `information`.
    void open_saved(const std::string& information) {
        make_saved_project("cpu.vdp", information);
        ASSERT_TRUE(project.load_project(at("cpu.vdp")));
        platform.clear_transcript();
    }
    void change(const std::string& information) {
        project.design().design_information = information;
        project.mark_modified();
    }
    DesignProject project{platform, options};
};

TEST_F(ProjectSave, ANewUntitledProjectIsSavedAsAProject) {
    ASSERT_TRUE(project.new_project());
    EXPECT_EQ(project.path(), at("untitled.vdp"));
    EXPECT_TRUE(project.untitled());
    EXPECT_EQ(std::filesystem::current_path(), at("untitled.vdp"));
    EXPECT_TRUE(std::filesystem::is_directory(at("untitled.vdp/work")));
    EXPECT_EQ(read(at("untitled.vdp/lockfile")), current_lock_line() + "\n");
    const Design& design = project.design();
    ASSERT_EQ(design.entities.size(), 1u);
    EXPECT_EQ(design.root, design.entities[0].get());
    EXPECT_EQ(design.current_entity->name, "Toplevel");
    EXPECT_EQ(design.current_architecture->kind, kArchitectureBlockDiagram);
    EXPECT_EQ(project.title(), "ZEPH/HDL - [Untitled]");
    EXPECT_EQ(project.close_question(), "");
    EXPECT_TRUE(shown().empty());

    change("first design");
    EXPECT_EQ(project.title(), "ZEPH/HDL - [Untitled] [Modified]");
    ASSERT_TRUE(project.save_project_as(at("cpu.vdp")));
    EXPECT_EQ(shown(),
              (Lines{"status: Copying '@/untitled.vdp' to '@/cpu.vdp'...",
                     "status: Saving 'work/design.vdf'...", "status: Saving 'work/config.cfg'...",
                     "status: Copying 'work' to 'design'...",
                     "status: ", "status: Removing old '@/untitled.vdp'..."}));
    EXPECT_FALSE(exists(at("untitled.vdp")));
    EXPECT_EQ(project.path(), at("cpu.vdp"));
    EXPECT_EQ(project.lock_path(), at("cpu.vdp/lockfile"));
    EXPECT_EQ(project.title(), project_title(at("cpu.vdp"), false, false));
    EXPECT_EQ(std::filesystem::current_path(), at("cpu.vdp"));
    EXPECT_TRUE(matches_golden("project_first.vdf", read(at("cpu.vdp/design/design.vdf"))));
    EXPECT_EQ(read(at("cpu.vdp/work/design.vdf")), read(at("cpu.vdp/design/design.vdf")));
    EXPECT_TRUE(exists(at("cpu.vdp/design/config.cfg")));
    EXPECT_FALSE(exists(at("cpu.vdp/zeph.bak")));

    project.leave();
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    EXPECT_EQ(shown(), Lines{"status: Removing old 'work'..."});
}

TEST_F(ProjectSave, UntitledNamesCountUpAndTheUntitledProjectGoesWhenLeft) {
    std::filesystem::create_directory(at("untitled.vdp"));
    std::filesystem::create_directory(at("untitle0.vdp"));
    ASSERT_TRUE(project.new_project());
    EXPECT_EQ(project.path(), at("untitle1.vdp"));
    change("dropped");
    EXPECT_EQ(project.close_question(),
              "This design has changed.\nSave changes?\n(Warning: All files in design project "
              "will be\ndeleted when not saving untitled designs!)");
    ASSERT_TRUE(project.new_project());
    EXPECT_EQ(shown(), Lines{"status: Removing old '@/untitle1.vdp'..."});
    EXPECT_EQ(project.path(), at("untitle1.vdp"));
    EXPECT_EQ(project.design().design_information, "");
    project.leave();
    EXPECT_FALSE(exists(at("untitle1.vdp")));
    EXPECT_EQ(std::filesystem::current_path(), root);
}

TEST_F(ProjectSave, APlainSaveCopiesTheWorkingCopyAndLeavingMovesIt) {
    open_saved("one");
    change("two");
    ASSERT_TRUE(project.save_project(SaveMode::Plain));
    EXPECT_EQ(shown(),
              (Lines{"status: Saving 'work/design.vdf'...", "status: Saving 'work/config.cfg'...",
                     "status: Removing old 'design.old'...",
                     "status: Renaming 'design' to 'design.old'...",
                     "status: Copying 'work' to 'design'...", "status: "}));
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "two");
    EXPECT_EQ(information_of(at("cpu.vdp/design.old/design.vdf")), "one");
    EXPECT_FALSE(project.modified());

    change("three");
    ASSERT_TRUE(project.save_project(SaveMode::BeforeExit));
    EXPECT_EQ(shown(),
              (Lines{"status: Saving 'work/design.vdf'...", "status: Saving 'work/config.cfg'...",
                     "status: Removing old 'design.old'...",
                     "status: Renaming 'design' to 'design.old'...",
                     "status: Renaming 'work' to 'design'...", "status: "}));
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "three");
    EXPECT_EQ(information_of(at("cpu.vdp/design.old/design.vdf")), "two");
}

// Runs `body` in a child process that may write files of at most `limit` bytes (SIGXFSZ
// ignored, so writes fail with EFBIG); returns the child's exit status.
int run_with_file_size_limit(rlim_t limit, const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST_F(ProjectSave, AWriteErrorRestoresThePreviousDesignFileAndLeavesDesignAlone) {
    open_saved("before");
    std::string saved = read(at("cpu.vdp/design/design.vdf"));
    std::string working = read(at("cpu.vdp/work/design.vdf"));
    std::string previous = read(at("cpu.vdp/design.old/design.vdf"));
    // A design much larger than the limit; the transcript file stays below it.
    for (int i = 0; i < 200; ++i)
        add_entity(project.design(), new_entity(project.design(), "unit" + std::to_string(i)));
    change("after");
    int status = run_with_file_size_limit(4096, [&] {
        bool saved_ok = project.save_project(SaveMode::Plain);
        std::string lines;
        for (const std::string& line : shown())
            lines += line + "\n";
        write(at("transcript.txt"), lines);
        return saved_ok ? 1 : 0;
    });
    ASSERT_EQ(status, 0) << "the save did not fail";
    EXPECT_EQ(read(at("transcript.txt")),
              "status: Saving 'work/design.vdf'...\n"
              "box: zeph|Error     7: Error(s) writing file 'work/design.vdf'.\n"
              "status: Recovering old 'work/design.vdf'...\n"
              "status: Recovered old 'work/design.vdf'.\n");
    EXPECT_EQ(read(at("cpu.vdp/work/design.vdf")), working);
    EXPECT_EQ(read(at("cpu.vdp/design/design.vdf")), saved);
    EXPECT_FALSE(exists(at("cpu.vdp/zeph.bak")));
    EXPECT_EQ(read(at("cpu.vdp/design.old/design.vdf")), previous);
    EXPECT_FALSE(exists(at("cpu.vdp/work/design.vdf.partial")));
    // Without the limit the same save goes through.
    ASSERT_TRUE(project.save_project(SaveMode::Plain));
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "after");
}

// A platform that puts a file where "design" is about to appear, so that the exchange of the
// working and the saved copy fails for real; the obstacle goes after `failures` failures.
class ObstaclePlatform : public ui::ScriptedPlatform {
  public:
    std::string trigger;
    std::function<void()> place;
    void status(const std::string& text, bool beep) override {
        ScriptedPlatform::status(text, beep);
        if (text == trigger && place) place();
    }
};

TEST_F(ProjectSave, AFailedExchangeIsRetriedUntilRepaired) {
    make_saved_project("cpu.vdp", "one");
    ObstaclePlatform obstacle;
    DesignProject blocked(obstacle, options);
    ASSERT_TRUE(blocked.load_project(at("cpu.vdp")));
    obstacle.trigger = "Renaming 'work' to 'design'...";
    obstacle.place = [&] {
        write(at("cpu.vdp/design"), "in the way");
        obstacle.place = nullptr; // only the first attempt meets it
    };
    int asked = 0;
    options.retry_repair = [&](int failures) {
        ++asked;
        EXPECT_EQ(failures, 1);
        std::filesystem::remove(at("cpu.vdp/design")); // the user repairs it
        return true;
    };
    blocked.set_options(options);
    blocked.design().design_information = "two";
    blocked.mark_modified();
    EXPECT_TRUE(blocked.save_project(SaveMode::BeforeNew));
    EXPECT_EQ(asked, 1);
    std::vector<std::string> boxes = obstacle.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "zeph|Cannot rename 'work' to 'design': Not a directory.");
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "two");
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
}

TEST_F(ProjectSave, ARepairThatNobodyCanDoIsGivenUpAndKeepsTheWorkingCopy) {
    make_saved_project("cpu.vdp", "one");
    ObstaclePlatform obstacle;
    DesignProject blocked(obstacle, options);
    ASSERT_TRUE(blocked.load_project(at("cpu.vdp")));
    obstacle.trigger = "Renaming 'work' to 'design'...";
    obstacle.place = [&] { write(at("cpu.vdp/design"), "in the way"); };
    blocked.design().design_information = "two";
    blocked.mark_modified();
    EXPECT_FALSE(blocked.save_project(SaveMode::BeforeExit));
    std::vector<std::string> boxes = obstacle.shown(ui::Shown::Box);
    const std::string rename_error = "zeph|Cannot rename 'work' to 'design': Not a directory.";
    const std::string solve = "zeph|Solve this problem!\n(Please consult your manual.)";
    const std::string given_up = "zeph|The problem remains after 3 attempts; the repair is "
                                 "given up.\nThe working copy 'work' is kept, nothing is lost.";
    ASSERT_GE(boxes.size(), 6u);
    EXPECT_EQ(Lines(boxes.begin(), boxes.begin() + 6),
              (Lines{rename_error, solve, rename_error, solve, rename_error, given_up}));
    EXPECT_EQ(information_of(at("cpu.vdp/work/design.vdf")), "two");
    EXPECT_EQ(information_of(at("cpu.vdp/design.old/design.vdf")), "one");
    EXPECT_TRUE(blocked.modified());
}

TEST_F(ProjectSave, SaveAsFromATitledProjectLeavesTheOldOneSaved) {
    open_saved("one");
    change("copy");
    ASSERT_TRUE(project.save_project_as(at("alu.vdp")));
    EXPECT_EQ(shown(),
              (Lines{"status: Creating new project '@/alu.vdp'...",
                     "status: Copying 'work' to '@/alu.vdp/work'...",
                     "status: Saving 'work/design.vdf'...", "status: Saving 'work/config.cfg'...",
                     "status: Copying 'work' to 'design'...",
                     "status: ", "status: Removing old '@/cpu.vdp/work'..."}));
    EXPECT_EQ(information_of(at("alu.vdp/design/design.vdf")), "copy");
    EXPECT_EQ(information_of(at("cpu.vdp/design/design.vdf")), "one");
    EXPECT_FALSE(exists(at("cpu.vdp/work")));
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    EXPECT_TRUE(exists(at("alu.vdp/lockfile")));
    EXPECT_EQ(project.path(), at("alu.vdp"));
    EXPECT_EQ(project.designs_directory(), root);
}

TEST_F(ProjectSave, RefusedOrFailedSaveAsKeepsTheOpenProject) {
    open_saved("one");
    change("two");
    std::string long_path = root + "/" + std::string(225 - root.size(), 'x') + ".vdp";
    ASSERT_EQ(long_path.size(), 230u);
    EXPECT_FALSE(project.save_project_as(long_path));
    EXPECT_EQ(shown(), Lines{"box: zeph|Illegal directory '@" + long_path.substr(root.size()) +
                             "'\n(path too long)."});
    EXPECT_FALSE(project.save_project_as(at("untitl12.vdp")));
    EXPECT_EQ(shown(), Lines{"box: zeph|'untitled' directory not allowed."});
    // A project that exists already is not overwritten.
    make_saved_project("taken.vdp", "taken");
    std::filesystem::current_path(at("cpu.vdp"));
    EXPECT_FALSE(project.save_project_as(at("taken.vdp")));
    EXPECT_EQ(shown(), (Lines{"status: Creating new project '@/taken.vdp'...",
                              "box: zeph|Cannot create directory '@/taken.vdp': File exists."}));
    EXPECT_EQ(information_of(at("taken.vdp/design/design.vdf")), "taken");
    EXPECT_EQ(project.path(), at("cpu.vdp"));
    EXPECT_TRUE(project.modified());
    EXPECT_TRUE(exists(at("cpu.vdp/lockfile")));

    DesignProject untitled(platform, options);
    ASSERT_TRUE(untitled.new_project());
    platform.clear_transcript();
    EXPECT_FALSE(untitled.save_project_as(at("taken.vdp")));
    EXPECT_EQ(shown(), (Lines{"status: Copying '@/untitled.vdp' to '@/taken.vdp'...",
                              "box: zeph|Directory '@/taken.vdp' already exists."}));
    EXPECT_TRUE(untitled.untitled());
    untitled.leave();
}

TEST_F(ProjectSave, AutobackupWritesOnlyChangesAndASaveRemovesIt) {
    open_saved("one");
    EXPECT_TRUE(project.autobackup_if_changed());
    EXPECT_FALSE(exists(at("cpu.vdp/work/design.bk!")));
    EXPECT_TRUE(shown().empty());
    change("backed up");
    EXPECT_TRUE(project.autobackup_if_changed());
    EXPECT_EQ(shown(), (Lines{"status: Performing autobackup...", "status: Autobackup done."}));
    EXPECT_EQ(information_of(at("cpu.vdp/work/design.bk!")), "backed up");
    EXPECT_FALSE(project.changed_since_autobackup());
    EXPECT_TRUE(project.modified());
    // The design file itself is not touched by the autobackup.
    EXPECT_EQ(information_of(at("cpu.vdp/work/design.vdf")), "one");
    ASSERT_TRUE(project.save_project(SaveMode::Plain));
    EXPECT_FALSE(exists(at("cpu.vdp/work/design.bk!")));
    EXPECT_FALSE(exists(at("cpu.vdp/design/design.bk!")));
}

TEST_F(ProjectSave, SavedHooksRunOnSaveNotOnAutobackup) {
    open_saved("one");
    int saved = 0;
    project.on_saved([&] { ++saved; });
    change("two");
    project.autobackup();
    EXPECT_EQ(saved, 0);
    project.save_project(SaveMode::Plain);
    EXPECT_EQ(saved, 1);
}

TEST_F(ProjectSave, AbandoningKeepsTheWorkingCopyForRecovery) {
    open_saved("one");
    change("two");
    project.autobackup();
    project.abandon();
    EXPECT_FALSE(exists(at("cpu.vdp/lockfile")));
    EXPECT_TRUE(exists(at("cpu.vdp/work/design.bk!")));
    EXPECT_FALSE(project.is_open());
}

TEST_F(ProjectSave, CloseQuestionsByWhatChanged) {
    open_saved("one");
    EXPECT_EQ(project.close_question(), "");
    project.mark_configuration_changed();
    EXPECT_EQ(project.close_question(), "The configuration has changed.\nSave changes?");
    project.mark_include_files_accessed();
    EXPECT_EQ(project.close_question(),
              "Include files have been accessed and the configuration has changed.\nSave "
              "changes?");
    DesignProject other(platform, options);
    ASSERT_TRUE(other.new_project());
    other.mark_include_files_accessed();
    EXPECT_TRUE(other.close_question().starts_with(
        "Include files have been accessed and might be changed.\nSave changes?\n(Warning:"));
    other.mark_modified();
    EXPECT_TRUE(other.close_question().starts_with("This design has changed.\nSave changes?"));
    other.leave();
}

} // namespace
