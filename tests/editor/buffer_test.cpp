// The edit buffer with real files: loading and saving bytes, the line limit, read-only buffers,
// the history around saves and reloads, view requests and the out-of-memory paths.
#include "editor/buffer_files.h"
#include "editor/edit_memory.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/file_text.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utime.h>

namespace zped {
namespace {

using test::read_whole;
using test::text_of;
using test::write_file;

class ZpedBufferFiles : public ::testing::Test {
  protected:
    ZpedBufferFiles() : settings(dir.file("zped.ini"), dir.path()), session(settings) {}
    EditBuffer* load(const std::string& name, bool read_only = false) {
        return LoadBuffer(session, dir.file(name), false, read_only, kEditWindow);
    }
    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
};

TEST(ZpedFileText, SplitsLinesAsTheyAreLoaded) {
    using V = std::vector<std::string>;
    EXPECT_EQ(split_file_text("abc\n"), (V{"abc", ""}));
    EXPECT_EQ(split_file_text("abc"), (V{"abc"}));
    EXPECT_EQ(split_file_text(""), (V{""}));
    EXPECT_EQ(split_file_text("a\r\nb\r\n"), (V{"a", "b", ""}));
    EXPECT_EQ(split_file_text("a\rb"), (V{"a\rb"}));
    std::string long_line(300, 'x');
    V split = split_file_text(long_line);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].size(), 254u);
    EXPECT_EQ(split[1].size(), 46u);
    // A line of exactly 254 bytes keeps its own line end: no empty line appears.
    EXPECT_EQ(split_file_text(std::string(254, 'y') + "\nz"), (V{std::string(254, 'y'), "z"}));
    EXPECT_EQ(split_file_text(std::string(254, 'y') + "\r\nz"), (V{std::string(254, 'y'), "z"}));
}

// A file keeps its own line ends: CR LF files as the rules for line ends say, line-feed files
// as Linux has them; mixed files are saved with CR LF, new files with line feeds.
TEST_F(ZpedBufferFiles, ThreeLettersAndALineEndLoadAsTwoLinesAndSaveWithTheirLineEnd) {
    for (std::string end : {"\r\n", "\n"}) {
        std::string name = end.size() == 2 ? "crlf.vhd" : "lf.vhd";
        write_file(dir.file(name), "abc" + end);
        EditBuffer* b = load(name);
        ASSERT_NE(b, nullptr);
        ASSERT_EQ(b->line_count(), 2);
        EXPECT_EQ(b->line(0), "abc");
        EXPECT_EQ(b->line(1), "");
        test::insert(*b, {0, 3}, "d");
        test::insert(*b, {1, 0}, "\ne");
        ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
        EXPECT_EQ(read_whole(dir.file(name)), "abcd" + end + end + "e");
        EXPECT_EQ(ui.last_status(), "Saved file: '" + dir.file(name) + "'");
    }
    write_file(dir.file("b.vhd"), "abc");
    EditBuffer* one = load("b.vhd");
    ASSERT_EQ(one->line_count(), 1);
    test::insert(*one, {0, 3}, "\n");
    ASSERT_TRUE(SaveBuffer(session, *one, nullptr));
    EXPECT_EQ(read_whole(dir.file("b.vhd")), "abc\n");

    write_file(dir.file("mixed.vhd"), "a\nb\r\nc\n");
    EditBuffer* mixed = load("mixed.vhd");
    mixed->modified = true;
    ASSERT_TRUE(SaveBuffer(session, *mixed, nullptr));
    EXPECT_EQ(read_whole(dir.file("mixed.vhd")), "a\r\nb\r\nc\r\n");

    ui.answer_text(dir.file("new.vhd"));
    EditBuffer* fresh = LoadBuffer(session, "", true, false, kEditWindow);
    test::insert(*fresh, {0, 0}, "x\ny");
    ASSERT_TRUE(SaveBuffer(session, *fresh, nullptr));
    EXPECT_EQ(read_whole(dir.file("new.vhd")), "x\ny");
}

TEST_F(ZpedBufferFiles, BytesSurviveALoadSaveRoundTrip) {
    std::string bytes =
        std::string("tab\there\r\nnul") + '\0' + "byte\r\n" + std::string(254, 'q') + "\r\nend";
    write_file(dir.file("r.vhd"), bytes);
    EditBuffer* b = load("r.vhd");
    b->modified = true;
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    EXPECT_EQ(read_whole(dir.file("r.vhd")), bytes);
}

TEST_F(ZpedBufferFiles, TypingIntoAFullLineFailsAndChangesNothing) {
    write_file(dir.file("full.vhd"), std::string(254, 'x'));
    EditBuffer* b = load("full.vhd");
    test::insert(*b, {0, 0}, "x");
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    ASSERT_EQ(b->line_length(0), 255);
    std::size_t records = b->history.size();
    b->cursor = {0, 10};
    type_text(*b, "y", false);
    EXPECT_EQ(b->line(0), std::string(255, 'x'));
    EXPECT_EQ(b->history.size(), records);
    EXPECT_FALSE(b->history.can_undo());
    EXPECT_FALSE(b->modified);
    EXPECT_EQ(ui.texts("box"),
              (std::vector<std::string>{
                  "Transaction ignored because\nresulting line would become too long. "}));
    // A line break splits the line and is accepted.
    type_text(*b, "\n", false);
    EXPECT_EQ(b->line_count(), 2);
}

TEST_F(ZpedBufferFiles, UndoAfterSaveDoesNothing) {
    write_file(dir.file("s.vhd"), "x");
    EditBuffer* b = load("s.vhd");
    test::insert(*b, {0, 1}, "yz");
    ASSERT_TRUE(b->history.can_undo());
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    EXPECT_FALSE(b->modified);
    EXPECT_EQ(UndoEdit(*b), 1);
    EXPECT_EQ(text_of(*b), "xyz");
}

TEST_F(ZpedBufferFiles, AReadOnlyBufferIgnoresEveryChangeButAnEmptyOne) {
    write_file(dir.file("ro.vhd"), "keep\nme");
    EditBuffer* b = load("ro.vhd", true);
    test::insert(*b, {0, 0}, "x");
    test::erase(*b, {0, 0}, {1, 0});
    ApplyEdit(*b, {0, 0}, {0, 4}, "new", {0, 0}, {}, {});
    EXPECT_EQ(text_of(*b), "keep\nme");
    EXPECT_FALSE(b->history.can_undo());
    ApplyEdit(*b, {1, 1}, {1, 1}, "", {1, 1}, {}, SelectionRequest::empty_at({1, 1}));
    EXPECT_EQ(b->cursor, (TextPosition{1, 1}));
    EXPECT_FALSE(b->modified);
    EXPECT_FALSE(SaveBuffer(session, *b, nullptr));
    EXPECT_EQ(ui.last_status(), "Window is opened readonly.");
}

TEST_F(ZpedBufferFiles, UndoAfterAnOutsideChangeAndReloadReportsAndKeepsTheHistory) {
    write_file(dir.file("c.vhd"), "one\ntwo");
    EditBuffer* b = load("c.vhd");
    test::insert(*b, {1, 3}, "-three");
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    test::insert(*b, {0, 0}, "zero ");
    write_file(dir.file("c.vhd"), "completely\ndifferent");
    // Force a later modification time whatever the clock's resolution.
    struct utimbuf times {
        2000000000, 2000000000
    };
    utime(dir.file("c.vhd").c_str(), &times);
    ui.answer(Answer::Yes);
    CheckFileChanged(*b);
    ASSERT_EQ(text_of(*b), "completely\ndifferent");
    std::size_t records = b->history.size();
    ui.clear();
    EXPECT_EQ(UndoEdit(*b), 1);
    EXPECT_EQ(ui.texts("box"),
              (std::vector<std::string>{"Inconsistency between undo transaction and text",
                                        "Transaction ignored"}));
    EXPECT_EQ(b->history.size(), records);
    EXPECT_TRUE(b->history.can_undo());
    EXPECT_EQ(text_of(*b), "completely\ndifferent");
}

TEST_F(ZpedBufferFiles, RedoAfterReloadThatNoLongerFitsClearsTheHistory) {
    write_file(dir.file("d.vhd"), "abc");
    EditBuffer* b = load("d.vhd");
    test::insert(*b, {0, 3}, "def");
    ASSERT_EQ(UndoEdit(*b), 0);
    write_file(dir.file("d.vhd"), "");
    ASSERT_TRUE(ReloadBuffer(*b));
    EXPECT_EQ(RedoEdit(*b), 1);
    EXPECT_EQ(ui.texts("box"),
              (std::vector<std::string>{"Inconsistency between redo transaction and text",
                                        "Transaction ignored; undo-redo history cleared"}));
    EXPECT_EQ(b->history.size(), 1u);
}

TEST_F(ZpedBufferFiles, ChangeDetectionAsksOnceAndNoKeepsTheText) {
    write_file(dir.file("e.vhd"), "old");
    EditBuffer* b = load("e.vhd");
    write_file(dir.file("e.vhd"), "new");
    struct utimbuf times {
        2000000000, 2000000000
    };
    utime(dir.file("e.vhd").c_str(), &times);
    ui.answer(Answer::No);
    CheckFileChanged(*b);
    CheckFileChanged(*b);
    EXPECT_EQ(ui.texts("question"),
              (std::vector<std::string>{"The file: " + dir.file("e.vhd") +
                                        " has changed\nDo you want to reload it?"}));
    EXPECT_EQ(text_of(*b), "old");
}

TEST_F(ZpedBufferFiles, OpeningQuestionsAndUntitledNames) {
    write_file(dir.file("f.vhd"), "f");
    ASSERT_NE(load("f.vhd"), nullptr);
    ui.answer(Answer::Yes);
    EditBuffer* copy = load("f.vhd");
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->read_only);
    EXPECT_EQ(ui.texts("question").back(),
              "File '" + dir.file("f.vhd") +
                  "' is already\nin an edit buffer, open a readonly copy ?");

    ui.answer(Answer::No);
    EXPECT_EQ(load("missing.vhd"), nullptr);
    EXPECT_EQ(ui.texts("question").back(),
              "File '" + dir.file("missing.vhd") +
                  "' does not exists.\nDo you want to create an empty file ?");
    ui.answer(Answer::Yes);
    EditBuffer* created = load("missing.vhd");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->line_count(), 1);

    EXPECT_EQ(LoadBuffer(session, "", true, false, kEditWindow)->file_name, "Untitled1");
    EXPECT_EQ(LoadBuffer(session, "", true, false, kEditWindow)->file_name, "Untitled2");
    // Unnamed buffers are never taken for the same file.
    EXPECT_EQ(LoadBuffer(session, "Untitled1", false, false, kEditWindow)->read_only, false);
}

// A directory, a FIFO or a device would block the editor or never end: each is refused with a
// message, opening and inserting alike, and nothing is saved over one.
TEST_F(ZpedBufferFiles, FilesThatAreNotRegularFilesAreRefused) {
    std::filesystem::create_directory(dir.file("sub.vhd"));
    ASSERT_EQ(mkfifo(dir.file("pipe.vhd").c_str(), 0600), 0);
    for (const std::string& name :
         {dir.file("sub.vhd"), dir.file("pipe.vhd"), std::string("/dev/zero")}) {
        ui.clear();
        EXPECT_EQ(LoadBuffer(session, name, false, false, kEditWindow), nullptr) << name;
        EXPECT_EQ(ui.texts("box"),
                  (std::vector<std::string>{
                      "'" + name + "' is not a regular file; only regular files can be edited."}));
    }
    EXPECT_TRUE(session.buffers.empty());

    EditBuffer* b = LoadBuffer(session, "", true, false, kEditWindow);
    ui.answer_text("/dev/zero");
    EXPECT_EQ(session.run_command("InsertFile"), 1);
    EXPECT_EQ(text_of(*b), "");
    test::insert(*b, {0, 0}, "text");
    ui.answer_text(dir.file("pipe.vhd"));
    ui.answer(Answer::Yes);
    EXPECT_FALSE(SaveBuffer(session, *b, nullptr));
    EXPECT_EQ(ui.texts("box").back(), "'" + dir.file("pipe.vhd") +
                                          "' is not a regular file; only regular files can be "
                                          "edited.");
    EXPECT_TRUE(b->modified);
}

TEST_F(ZpedBufferFiles, ASizeMismatchIsReported) {
    // /proc files report a size of 0 but deliver bytes.
    EditBuffer* b = LoadBuffer(session, "/proc/self/stat", false, false, kEditWindow);
    ASSERT_NE(b, nullptr);
    ASSERT_FALSE(ui.texts("box").empty());
    EXPECT_EQ(ui.texts("box")[0].rfind(
                  "Error(s) reading file '/proc/self/stat'.\nExpected 0 bytes, actually read ", 0),
              0u);
}

TEST_F(ZpedBufferFiles, BackupCopyAndItsRefusal) {
    session.options.backup_file = true;
    write_file(dir.file("g.vhd"), "original");
    EditBuffer* b = load("g.vhd");
    test::insert(*b, {0, 0}, "changed ");
    ASSERT_TRUE(SaveBuffer(session, *b, nullptr));
    EXPECT_EQ(read_whole(dir.file("g.bak")), "original");
    EXPECT_EQ(read_whole(dir.file("g.vhd")), "changed original");

    write_file(dir.file("h.bak"), "data");
    EditBuffer* bak = load("h.bak");
    test::insert(*bak, {0, 0}, "x");
    EXPECT_FALSE(SaveBuffer(session, *bak, nullptr));
    EXPECT_EQ(ui.texts("box").back(), "Cannot backup file '" + dir.file("h.bak") +
                                          "'\nthe backup has the same name as original  file.");
    EXPECT_TRUE(bak->modified);
}

TEST_F(ZpedBufferFiles, AFullDiskKeepsTheOldFileAndTheModifiedFlag) {
    write_file(dir.file("big.vhd"), "small");
    EditBuffer* b = load("big.vhd");
    for (int i = 0; i < 20; ++i)
        test::insert(*b, {0, 0}, std::string(200, 'z') + "\n");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    bool saved = SaveBuffer(session, *b, nullptr);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(b->modified);
    EXPECT_EQ(read_whole(dir.file("big.vhd")), "small");
    ASSERT_FALSE(ui.texts("box").empty());
    EXPECT_EQ(ui.texts("box").back(), "Error(s) writing file '" + dir.file("big.vhd") +
                                          "'\n.Expected 4025 bytes, actually wrote 1000 bytes.");
    // Nothing but the file itself is left in the directory.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(ZpedBufferFiles, InsertFileAppliesOneUndoableTransaction) {
    write_file(dir.file("part.txt"), "x\r\ny\r\n");
    write_file(dir.file("main.vhd"), "ab");
    EditBuffer* b = load("main.vhd");
    b->cursor = {0, 1};
    ui.answer_text(dir.file("part.txt"));
    ASSERT_EQ(session.run_command("InsertFile"), 0);
    EXPECT_EQ(text_of(*b), "ax\ny\nb");
    EXPECT_EQ(b->cursor, (TextPosition{0, 1}));
    ASSERT_EQ(UndoEdit(*b), 0);
    EXPECT_EQ(text_of(*b), "ab");
}

TEST_F(ZpedBufferFiles, ClosingAsksAboutChangesAndFillsTheRecentList) {
    write_file(dir.file("m.vhd"), "m");
    EditBuffer* b = load("m.vhd");
    test::insert(*b, {0, 0}, "x");
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(session.close_buffer(b));
    EXPECT_EQ(ui.texts("question").back(),
              "Edit buffer '" + dir.file("m.vhd") + "'\nis modified, Save changes ?");
    ui.answer(Answer::No);
    EXPECT_TRUE(session.close_buffer(b));
    EXPECT_EQ(session.mru.entry(0), dir.file("m.vhd"));
    EXPECT_EQ(read_whole(dir.file("m.vhd")), "m");
    for (const char* name : {"1", "2", "3", "4", "5"}) {
        write_file(dir.file(name), "");
        session.close_buffer(load(name));
    }
    session.close_buffer(load("3"));
    EXPECT_EQ(session.mru.entry(0), dir.file("3"));
    EXPECT_EQ(session.mru.entry(1), dir.file("5"));
    EXPECT_EQ(session.mru.entry(4), dir.file("1"));
    EXPECT_EQ(shortened_path("/a/very/long/directory/name/that/goes/on/file.vhd", 30),
              "/a/very/long/directo...\\file.vhd");
}

TEST(ZpedViewRequests, ScrollCentreAndBugReports) {
    ScopedScriptedUi scripted;
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line\n";
    auto buffer = test::buffer_with(text + "\tx");
    EditBuffer& b = *buffer;
    b.visible_lines = 10;
    b.visible_columns = 8;
    EXPECT_EQ(resolve_view(b, {50, 0}, {kScrollToCursor, kScrollToCursor}).top_line, 41);
    EXPECT_EQ(resolve_view(b, {50, 0}, {kCentre, kKeep}).top_line, 45);
    b.view.top_line = 45;
    EXPECT_EQ(resolve_view(b, {50, 0}, {kKeepOrCentre, kKeep}).top_line, 45);
    EXPECT_EQ(resolve_view(b, {80, 0}, {kKeepOrCentre, kKeep}).top_line, 75);
    EXPECT_EQ(resolve_view(b, {50, 0}, {kKeepTop, kKeep}).top_line, 45);
    EXPECT_EQ(resolve_view(b, {3, 0}, {kCentre, kKeep}).top_line, 0);
    EXPECT_EQ(resolve_view(b, {60, 0}, {2, kKeep}).top_line, 51);
    // The tab makes the cursor after "x" sit at display column 5.
    EXPECT_EQ(resolve_view(b, {100, 2}, {kKeepTop, 0}).left.value, 0);
    b.visible_columns = 4;
    EXPECT_EQ(resolve_view(b, {100, 2}, {kKeepTop, kScrollToCursor}).left.value, 2);
    resolve_view(b, {1, 0}, {-7, -9});
    ApplyEdit(b, {0, 0}, {0, 0}, "", {0, 0}, {}, {{-5, -1}, {-1, -1}});
    EXPECT_EQ(
        scripted.ui.texts("box"),
        (std::vector<std::string>{"LineScroll Bug", "ColumnScroll Bug", "Illegal Select code"}));
}

TEST(ZpedEditMemoryLayer, ARecordThatCannotBeAllocatedClearsTheHistory) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("abc");
    EditBuffer& b = *buffer;
    test::insert(b, {0, 0}, "1");
    EditMemory::set_limit(EditMemory::total() + 100);
    test::insert(b, {0, 0}, std::string(200, 'y'));
    EditMemory::set_limit(0);
    EXPECT_EQ(text_of(b), "1abc");
    EXPECT_FALSE(b.history.can_undo());
    auto boxes = scripted.ui.texts("box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].rfind("Alloc failed for ", 0), 0u);
    EXPECT_EQ(boxes[1], "Out of memory; transaction ignored ; history cleared");
    EXPECT_TRUE(EditMemory::failed());
    EditMemory::clear_failure();
}

TEST(ZpedEditing, TypingAutoIndentAndDeletion) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("\tbegin");
    EditBuffer& b = *buffer;
    move_cursor(b, {0, 6}, false);
    new_line(b, true);
    type_text(b, "x", false);
    EXPECT_EQ(text_of(b), "\tbegin\n\tx");
    EXPECT_EQ(b.cursor, (TextPosition{1, 2}));
    move_cursor(b, {1, 0}, false);
    backspace_char(b);
    EXPECT_EQ(text_of(b), "\tbegin\tx");
    move_cursor(b, {0, 1}, false);
    type_text(b, "B", true);
    EXPECT_EQ(text_of(b), "\tBegin\tx");
    move_cursor(b, {0, 1}, false);
    move_cursor(b, {0, 6}, true);
    EXPECT_TRUE(b.has_selection);
    type_text(b, "end", false);
    EXPECT_EQ(text_of(b), "\tend\tx");
    delete_word(b);
    EXPECT_EQ(text_of(b), "\tendx");
    delete_line(b);
    EXPECT_EQ(text_of(b), "");
    int undos = 0;
    while (UndoEdit(b) == 0)
        ++undos;
    EXPECT_EQ(text_of(b), "\tbegin");
    EXPECT_EQ(undos, 7);
}

} // namespace
} // namespace zped
