// The system running out of memory, for real: this program's operator new throws std::bad_alloc
// for blocks from a chosen size on, as a system out of memory does for the large blocks of a
// big file or paste. The editor must say so with the allocation message, keep every unsaved
// buffer as it was, and go on working.
#include "editor/batch_editor_ui.h"
#include "editor/buffer_files.h"
#include "editor/edit_memory.h"
#include "editor/editing.h"
#include "editor/editor_script.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"
#include "foundation/strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <sstream>

namespace {
// 0: every block is granted.
std::size_t refuse_from = 0;
} // namespace

void* operator new(std::size_t size) {
    if (refuse_from > 0 && size >= refuse_from) throw std::bad_alloc();
    if (void* block = std::malloc(size > 0 ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace zped {
namespace {

using test::text_of;

// Blocks of `bytes` and more are refused while it lives.
class RefuseLargeBlocks {
  public:
    explicit RefuseLargeBlocks(std::size_t bytes) { refuse_from = bytes; }
    ~RefuseLargeBlocks() { refuse_from = 0; }
};

class ZpedOutOfMemory : public ::testing::Test {
  protected:
    ZpedOutOfMemory() : settings(dir.file("zped.ini"), dir.path()), session(settings) {
        session.state_directory = dir.file("state");
        test::write_file(dir.file("work.vhd"), "entity work is\nend;\n");
        work = LoadBuffer(session, dir.file("work.vhd"), false, false, kEditWindow);
        test::insert(*work, {1, 0}, "-- unsaved\n");
        EditMemory::clear_failure();
    }
    ~ZpedOutOfMemory() override { EditMemory::clear_failure(); }

    // The work buffer as the user left it: text and modified flag.
    void expect_work_intact() {
        EXPECT_EQ(text_of(*work), "entity work is\n-- unsaved\nend;\n");
        EXPECT_TRUE(work->modified);
    }
    std::string last_box() const {
        auto boxes = ui.texts("box");
        return boxes.empty() ? "" : boxes.back();
    }

    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
    EditBuffer* work = nullptr;
};

TEST_F(ZpedOutOfMemory, AFileTooLargeForMemoryIsNotOpenedAndTheOthersStay) {
    std::string big;
    for (int i = 0; i < 300000; ++i)
        big += "x\n";
    test::write_file(dir.file("big.vhd"), big);
    {
        // The line array of 300,000 lines needs more than 2 MB at once.
        RefuseLargeBlocks refuse(2 << 20);
        EXPECT_EQ(LoadBuffer(session, dir.file("big.vhd"), false, false, kEditWindow), nullptr);
    }
    EXPECT_EQ(last_box().rfind("Alloc failed for ", 0), 0u) << last_box();
    EXPECT_NE(last_box().find(" bytes (Total "), std::string::npos) << last_box();
    EXPECT_TRUE(EditMemory::failed());
    ASSERT_EQ(session.buffers.size(), 1u);
    expect_work_intact();
    // With the memory back the same file opens.
    EXPECT_NE(LoadBuffer(session, dir.file("big.vhd"), false, false, kEditWindow), nullptr);
}

TEST_F(ZpedOutOfMemory, APasteOrEditThatCannotGetItsMemoryChangesNothing) {
    std::string huge(3 << 20, 'h');
    int pasted = 0;
    {
        RefuseLargeBlocks refuse(1 << 20);
        pasted = paste_text(*work, huge);
        test::insert(*work, {0, 0}, huge);
    }
    EXPECT_EQ(pasted, -1);
    std::vector<std::string> boxes = ui.texts("box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], zeph::format_text("Alloc failed for %d bytes (Total %ld).", 3 << 20,
                                          EditMemory::total()));
    EXPECT_EQ(boxes[1], boxes[0]);
    expect_work_intact();
    EXPECT_EQ(work->history.size(), 2u);
    // With the memory back, the same buffer takes edits and undoes them.
    move_cursor(*work, {1, 0}, false);
    EXPECT_EQ(paste_text(*work, "ok\n"), 0);
    EXPECT_EQ(text_of(*work), "entity work is\nok\n-- unsaved\nend;\n");
    EXPECT_EQ(UndoEdit(*work), 0);
    expect_work_intact();
}

TEST_F(ZpedOutOfMemory, UndoWithoutMemoryKeepsTextAndHistory) {
    std::string large(2 << 20, 'l');
    paste_text(*work, large);
    std::string with_large = text_of(*work);
    int undone = 0;
    {
        RefuseLargeBlocks refuse(1 << 20);
        undone = UndoEdit(*work);
    }
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(text_of(*work), with_large);
    EXPECT_EQ(work->history.size(), 3u);
    EXPECT_TRUE(work->history.can_undo());
    EXPECT_EQ(last_box().rfind("Alloc failed for ", 0), 0u) << last_box();
    EXPECT_EQ(UndoEdit(*work), 0);
    expect_work_intact();
}

// Saving streams the lines to the file; it needs no block as large as the file.
TEST_F(ZpedOutOfMemory, ABufferLargerThanWhatMemoryGrantsIsStillSaved) {
    std::string text;
    for (int i = 0; i < 150000; ++i)
        text += "    signal s" + std::to_string(i) + " : std_logic;\n";
    test::write_file(dir.file("large.vhd"), text);
    EditBuffer* large = LoadBuffer(session, dir.file("large.vhd"), false, false, kEditWindow);
    ASSERT_NE(large, nullptr);
    test::insert(*large, {0, 0}, "-- header\n");
    {
        RefuseLargeBlocks refuse(text.size() / 2);
        EXPECT_TRUE(SaveBuffer(session, *large, nullptr));
    }
    EXPECT_EQ(test::read_whole(dir.file("large.vhd")), "-- header\n" + text);
}

// The script mode, as a front end, reports and goes on with the next line.
TEST_F(ZpedOutOfMemory, TheScriptModeGoesOnAfterALineThatRanOutOfMemory) {
    std::ostringstream out;
    BatchEditorUi batch(out);
    set_editor_ui(&batch);
    EditorScript script(session, batch);
    std::string line = "paste " + std::string(1 << 20, 'p');
    bool pasted = true;
    {
        RefuseLargeBlocks refuse(1 << 19);
        pasted = script.run_line(line);
    }
    EXPECT_FALSE(pasted);
    EXPECT_TRUE(script.run_line("cursor 2 0"));
    EXPECT_TRUE(script.run_line("type z"));
    set_editor_ui(&ui);
    EXPECT_NE(out.str().find("box: [zped] Alloc failed for "), std::string::npos) << out.str();
    EXPECT_EQ(text_of(*work), "entity work is\nz-- unsaved\nend;\n");
}

} // namespace
} // namespace zped
