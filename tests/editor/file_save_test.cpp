// Saving in place behind a complete copy: while the file is being overwritten the copy is whole
// on disk, a save killed in the middle leaves it and the next load says where it is, and backups
// stay while safety copies go.
#include "editor/buffer_files.h"
#include "editor/editor_session.h"
#include "editor/file_save.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zped {
namespace {

using test::read_whole;
using test::write_file;

class ZpedFileSave : public ::testing::Test {
  protected:
    ZpedFileSave() : settings(dir.file("zped.ini"), dir.path()), session(settings) {
        session.state_directory = dir.file("state");
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
};

TEST_F(ZpedFileSave, WhileTheFileIsOverwrittenACompleteCopyIsOnDisk) {
    std::string file = dir.file("unit.vhd");
    write_file(file, "the old text\n");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    std::string copy_seen, leftover_seen;
    mode_t copy_mode = 0;
    SaveRequest request;
    request.path = file;
    request.state_directory = session.state_directory;
    request.write_text = [&](FileSink& sink) {
        // What a crash at this moment would leave behind.
        leftover_seen = leftover_safety_copy(file, session.state_directory);
        copy_seen = read_whole(leftover_seen);
        struct stat st {};
        stat(leftover_seen.c_str(), &st);
        copy_mode = st.st_mode & 07777;
        sink.write("the new text, longer than before\n");
    };
    SaveOutcome outcome = save_in_place(request);
    EXPECT_EQ(outcome.problem, SaveProblem::None);
    EXPECT_EQ(leftover_seen, dir.file(".unit.vhd.zped-save"));
    EXPECT_EQ(copy_seen, "the old text\n");
    EXPECT_EQ(copy_mode, 0640u);
    EXPECT_EQ(read_whole(file), "the new text, longer than before\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"unit.vhd"}));
    EXPECT_EQ(leftover_safety_copy(file, session.state_directory), "");

    // Shorter text cuts the file to its new length.
    request.write_text = [](FileSink& sink) { sink.write("short\n"); };
    EXPECT_EQ(save_in_place(request).problem, SaveProblem::None);
    EXPECT_EQ(read_whole(file), "short\n");
}

// The process dies halfway through writing the new text: the file is half-written, but the copy
// holds the old text whole, and loading the file points to it.
TEST_F(ZpedFileSave, ASaveKilledHalfwayLeavesTheCopyAndTheNextLoadSaysWhere) {
    std::string file = dir.file("cut.vhd");
    std::string old_text(100000, 'o');
    write_file(file, old_text);
    pid_t child = fork();
    if (child == 0) {
        SaveRequest request;
        request.path = file;
        request.write_text = [](FileSink& sink) {
            sink.write(std::string(30000, 'n'));
            sink.flush();
            _exit(9); // killed in the middle of the write
        };
        save_in_place(request);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9);
    EXPECT_EQ(read_whole(file).substr(0, 30001), std::string(30000, 'n') + "o");
    std::string copy = dir.file(".cut.vhd.zped-save");
    EXPECT_EQ(read_whole(copy), old_text);

    EditBuffer* b = LoadBuffer(session, file, false, false, kEditWindow);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(ui.texts("box"),
              (std::vector<std::string>{"A save of '" + file +
                                        "' did not finish.\nThe file as it was before that save "
                                        "is kept in '" +
                                        copy + "'."}));
    // The next save that works takes the copy's place and removes it.
    b->modified = true;
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST_F(ZpedFileSave, ABackupStaysAndNoSafetyCopyIsMade) {
    session.options.backup_file = true;
    std::string file = dir.file("b.vhd");
    write_file(file, "first\n");
    EditBuffer* b = LoadBuffer(session, file, false, false, kEditWindow);
    test::insert(*b, {0, 0}, "second ");
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    test::insert(*b, {0, 0}, "third ");
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    EXPECT_EQ(read_whole(dir.file("b.bak")), "second first\n");
    EXPECT_EQ(read_whole(file), "third second first\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"b.bak", "b.vhd"}));
}

// A file that does not exist yet is written under a name of its own and appears only complete.
TEST_F(ZpedFileSave, ANewFileAppearsOnlyWhenComplete) {
    std::string file = dir.file("new.vhd");
    SaveRequest request;
    request.path = file;
    bool absent_while_writing = false;
    request.write_text = [&](FileSink& sink) {
        absent_while_writing = !std::filesystem::exists(file);
        sink.write("fresh\n");
    };
    EXPECT_EQ(save_in_place(request).problem, SaveProblem::None);
    EXPECT_TRUE(absent_while_writing);
    EXPECT_EQ(read_whole(file), "fresh\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"new.vhd"}));
}

} // namespace
} // namespace zped
