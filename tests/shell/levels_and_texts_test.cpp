// Level navigation through a three-level hierarchy (an HDL leaf opened in the editor, library
// and external components refused, the top with no parent), the question before a changed
// design is left in its four wordings, and the included texts edited in a stand-in editor and
// stored back.
#include "console_session.h"
#include "design/architecture.h"
#include "design/entity.h"
#include "design/state_machine.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace zeph;
using shell_test::expect_golden;
using shell_test::read_file;
using shell_test::replaced;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

// A session whose editor is a script: it appends EDIT's text (when the file "edit" exists) to
// the file it is given, and logs each call to "called".
class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.session().start_untitled();
        console.take_output();
    }
    std::string transcript(std::initializer_list<std::string> lines) {
        console.take_output();
        for (const std::string& line : lines)
            console.run(line);
        return replaced(console.take_output(), dir.path(), "@DIR@");
    }
    void make_editor() {
        write_file(dir / "editor.sh", "#!/bin/sh\necho \"$1\" >> \"" + (dir / "called") +
                                          "\"\nif [ -f \"" + (dir / "edit") + "\" ]; then cat \"" +
                                          (dir / "edit") + "\" >> \"$1\"; fi\n");
        std::filesystem::permissions(dir / "editor.sh", std::filesystem::perms::owner_all);
    }

    ScratchDir dir;
    bool prepared = (make_editor(),
                     write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"
                                                  "[Environment]\nEditor=" +
                                                      (dir / "editor.sh") + "\n"),
                     true);
    ConsoleSession console{dir.path(), dir / "zeph.ini"};
};

// Toplevel holds u0 of "mid"; mid's diagram holds the HDL leaf u1, the external u2, u3 of a
// read-only library module, the state-diagram process p0 and the HDL process p1.
class LevelNavigation : public SessionTest {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        for (const char* line :
             {"save-as cpu.vdp", "add-component 640 640 u0 mid block", "diagram mid",
              "add-component 640 640 u1 leaf hdl", "add-component 1536 640 u2 ext external",
              "add-component 2432 640 u3 lib block", "add-process 640 2048 state p0",
              "add-process 1536 2048 hdl p1", "diagram Toplevel"})
            ASSERT_TRUE(console.run(line)) << line << console.take_output();
        for (auto& entity : console.session().design()->entities)
            if (entity->name == "lib") {
                entity->library_module_path = dir / "library.vdp";
                entity->library_module_name = "library";
            }
    }
};

TEST_F(LevelNavigation, DownUpTopAndJumpThroughTheHierarchy) {
    std::string text = transcript({
        "down 700 700", // mid's block diagram
        "down 700 700", // the HDL leaf has no file yet
        "answer yes",   // its skeleton
        "hdl-file leaf a0 vhdl leaf.vhd",
        "down 700 700", // the HDL leaf opens in the editor; the level stays
        "down 1600 700",
        "down 2500 700",
        "down 100 100",
        "down 700 2100",  // the state diagram of p0
        "trap 100 100",   // back to mid
        "down 1600 2100", // p1 has no file yet
        "trap 100 100",   // empty space: one level up
        "up",
        "trap 100 100",
        "jump",
        "jump 2",
        "top",
        "jump mid",
        "jump nothing",
    });
    expect_golden("level_navigation.txt", text);
    EXPECT_EQ(read_file(dir / "called"), "work/leaf/a0/leaf.vhd\n");
    std::string skeleton = read_file(dir / "cpu.vdp/work/leaf/a0/leaf.vhd");
    EXPECT_NE(skeleton.find("architecture a0 of leaf is"), std::string::npos) << skeleton;
}

// The close question, asked by new, open and exit: by what changed, with the warning for an
// untitled design; Cancel keeps the design.
TEST_F(SessionTest, TheCloseQuestionSaysWhatChanged) {
    // No configuration editor yet: the change is made as one would make it.
    console.session().project().mark_configuration_changed();
    std::string text = transcript({
        "answer cancel",
        "new",
        "save-as cpu.vdp",
        "entity-comment", // the editor changes nothing: the texts count as accessed
        "answer cancel",
        "new",
        "answer cancel",
        "open other.vdp",
    });
    console.session().project().mark_configuration_changed();
    text += transcript({"answer cancel", "exit", "save"});
    console.session().project().mark_configuration_changed();
    text += transcript({"answer cancel", "new"});
    write_file(dir / "edit", "changed\n");
    text += transcript({"entity-comment", "answer cancel", "new", "save", "new"});
    expect_golden("close_question.txt", text);
}

TEST_F(SessionTest, IncludedTextsGoThroughTheEditorIntoTheRecords) {
    ASSERT_TRUE(console.run("save-as cpu.vdp"));
    write_file(dir / "edit", "first line\n");
    ASSERT_TRUE(console.run("entity-comment"));
    ASSERT_TRUE(console.run("statements"));
    ASSERT_TRUE(console.run("declarations-before"));
    Entity& top = *console.session().design()->root;
    Architecture& body = *top.architectures.front();
    EXPECT_EQ(top.comment, "first line");
    EXPECT_EQ(body.vhdl_statements, "first line");
    EXPECT_EQ(body.vhdl_declarations_before, "first line");
    EXPECT_TRUE(console.session().project().modified());
    // A second edit keeps what was there.
    write_file(dir / "edit", "second line\n");
    ASSERT_TRUE(console.run("entity-comment"));
    EXPECT_EQ(top.comment, "first line\nsecond line");

    // The file is read back before a save: an editor that hands the file to a running instance
    // returns before the user is done.
    std::filesystem::remove(dir / "edit");
    ASSERT_TRUE(console.run("architecture-comment"));
    std::string called = read_file(dir / "called");
    std::string last = called.substr(called.rfind('\n', called.size() - 2) + 1);
    last.pop_back();
    write_file(last, "written later\n");
    ASSERT_TRUE(console.run("save"));
    EXPECT_EQ(body.comment, "written later");
    std::string saved = read_file(dir / "cpu.vdp/design/design.vdf");
    EXPECT_NE(saved.find("written later"), std::string::npos);

    // Texts the current diagram does not have are refused; the process texts belong to state
    // diagrams.
    EXPECT_FALSE(console.run("process-comment"));
    EXPECT_NE(console.take_output().find("error: the current diagram has no such included text"),
              std::string::npos);
    ASSERT_TRUE(console.run("add-component 640 640 u0 fsm state"));
    ASSERT_TRUE(console.run("down 700 700"));
    write_file(dir / "edit", "the process\n");
    ASSERT_TRUE(console.run("invoke Diagram \"Included Texts\" \"Process Comment\""));
    const Design& design = *console.session().design();
    ASSERT_NE(design.current_architecture->state_machine, nullptr);
    EXPECT_EQ(design.current_architecture->state_machine->process_comment, "the process");
}

TEST_F(SessionTest, WithoutAnEditorTheTextsAreNotOpened) {
    write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
    ASSERT_TRUE(console.run("answer yes"));
    ASSERT_TRUE(console.run("load-settings"));
    console.take_output();
    EXPECT_FALSE(console.run("entity-comment"));
    EXPECT_NE(console.take_output().find("No editor specified."), std::string::npos);
    EXPECT_FALSE(console.session().project().modified());
}

} // namespace
