// The object dialogs of block diagrams on real widgets: each dialog, filled and confirmed,
// changes the design exactly as the shell's command with the same fields does (the saved
// design files are compared byte for byte); a refusal shows the shell's text and keeps the
// dialog open on the field it names; Cancel changes nothing.
#include "console_session.h"
#include "dialog_driver.h"
#include "shell/test_files.h"

#include "dialogs/object_dialogs.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace zeph;
using namespace gui_test;
using shell_test::read_file;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

const std::vector<std::string> kDrawing = {
    "save-as counter.vdp",
    "add-component 1024 1024 u0 alu",
    "add-component 2560 1024 u1 regs hdl",
    "add-port out 1536 1100 y",
    "add-port in 2560 1100 d",
    "wire 1600 1100 2496 1100",
    "add-port in 256 1100 clk",
    "add-port in 1024 1100 a",
    "wire 320 1100 960 1100",
    "wire 1200 3700 4000 3700",
    "edit-net 1300 3700 name=data left=7 right=0",
    "add-bus-entry 1400 3700",
    "add-process 4096 1024 hdl pr",
    "add-port in 4096 1100",
    "add-generic 256 2048 width",
    "add-text 3072 3072 note",
};

class BlockDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        for (ConsoleSession* s : {&shell, &gui}) {
            s->session().start_untitled();
            for (const std::string& line : kDrawing)
                ASSERT_TRUE(s->run(line)) << line << "\n" << s->take_output();
            s->take_output();
        }
    }

    // The dialog at the point, driven by `act`.
    DialogOutcome dialog_at(int x, int y, std::function<void(FormDialog&)> act) {
        when_form_shown(std::move(act));
        return edit_object_at(nullptr, gui.session(), {x, y});
    }

    std::string listing(ConsoleSession& s) {
        s.take_output();
        EXPECT_TRUE(s.run("list-diagram"));
        return s.take_output();
    }

    std::string saved(ConsoleSession& s, const char* name) {
        EXPECT_TRUE(s.run("save")) << s.take_output();
        return read_file(root / (std::string(name) + "/counter.vdp/design/design.vdf"));
    }

    ScratchDir root;
    bool settings_written =
        (write_file(root / "shell/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"),
         write_file(root / "gui/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"), true);
    ConsoleSession shell{root / "shell", root / "shell/zeph.ini"};
    ConsoleSession gui{root / "gui", root / "gui/zeph.ini"};
};

TEST_F(BlockDialogs, EachDialogChangesTheDesignAsTheShellCommandDoes) {
    struct Case {
        const char* command;
        int x, y;
        std::function<void(FormDialog&)> fill;
    };
    const std::vector<Case> cases = {
        {"edit-port 256 1100 name=clock function=clock", 256, 1100,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Port");
             type(d, "&Name:", "clock");
             choose(d, "Special &function:", "Clock");
         }},
        {"edit-port 1536 1100 comment=result type=bit", 1536, 1100,
         [](FormDialog& d) {
             type(d, "C&omment:", "result");
             type(d, "&Type:", "bit");
         }},
        {"edit-net 2000 1100 name=link type=bit", 2000, 1100,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Net");
             type(d, "&Name:", "link");
             type(d, "&Type:", "bit");
         }},
        {"edit-entry 1432 3732 slice=yes left=3 right=2", 1432, 3732,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Entry");
             toggle(d, "A&rray slice");
             EXPECT_FALSE(field<QLineEdit>(d, "&Index:")->isEnabled());
             type(d, "&Left range:", "3");
             type(d, "&Right range:", "2");
         }},
        {"edit-process 4200 1200 name=control contents=hdl sensitivity=no", 4200, 1200,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Process");
             type(d, "&Label:", "control");
             toggle(d, "&Sensitivity list activated");
         }},
        {"edit-generic 256 2048 type=integer default=8 comment=bits", 256, 2048,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Generic");
             choose(d, "&Type:", "Integer");
             type(d, "Def. &value:", "8");
             type(d, "C&omment:", "bits");
         }},
        {"edit-text 3072 3072 text=remark scale=20", 3072, 3072,
         [](FormDialog& d) {
             EXPECT_EQ(d.windowTitle(), "Edit Text");
             type(d, "S&tring:", "remark");
             set_number(d, "&Scale:", 20);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(shell.run(c.command)) << shell.take_output();
        auto fill = c.fill;
        EXPECT_EQ(dialog_at(c.x, c.y,
                            [fill](FormDialog& d) {
                                fill(d);
                                press_ok(d);
                                EXPECT_FALSE(d.isVisible());
                            }),
                  DialogOutcome::Accepted);
        EXPECT_EQ(listing(gui), listing(shell));
    }
    // The process port, found on its process after the rename.
    ASSERT_TRUE(shell.run("edit-port 4096 1100 mode=out comment=flag")) << shell.take_output();
    EXPECT_EQ(dialog_at(4096, 1100,
                        [](FormDialog& d) {
                            EXPECT_EQ(d.find_field("&Name:"), nullptr); // a process port's form
                            choose(d, "&Mode:", "Out");
                            type(d, "C&omment:", "flag");
                            press_ok(d);
                        }),
              DialogOutcome::Accepted);
    EXPECT_EQ(saved(gui, "gui"), saved(shell, "shell"));
}

TEST_F(BlockDialogs, InstanceDialogRenamesAndBindsAsTheShellDoes) {
    ASSERT_TRUE(shell.run("edit-instance u0 label=core new=fast:hdl bind=fast"))
        << shell.take_output();
    gui.console().queue_answer("fast");
    EXPECT_EQ(dialog_at(1200, 1300,
                        [](FormDialog& d) {
                            EXPECT_EQ(d.windowTitle(), "Edit Instance");
                            type(d, "&Label:", "core");
                            auto* list = field<QListWidget>(d, "&Binding indication:");
                            ASSERT_NE(list, nullptr);
                            ASSERT_EQ(list->count(), 1);
                            const auto buttons = d.findChildren<QPushButton*>();
                            for (QPushButton* button : buttons)
                                if (button->text() == "&New")
                                    QTest::mouseClick(button, Qt::LeftButton);
                            ASSERT_EQ(list->count(), 2);
                            EXPECT_EQ(list->currentItem()->text(), "fast");
                            choose(d, "Architecture &type:", "HDL File");
                            press_ok(d);
                        }),
              DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));
    EXPECT_EQ(saved(gui, "gui"), saved(shell, "shell"));
}

TEST_F(BlockDialogs, RefusalShowsTheShellsTextAndKeepsTheDialogOnItsField) {
    struct Case {
        const char* command;
        int x, y;
        const char* label;   // the field the refusal names
        const char* typed;   // typed into that field
        const char* cleared; // a field emptied before OK, or null
    };
    const std::vector<Case> cases = {
        {"edit-port 256 1100 name=9clk", 256, 1100, "&Name:", "9clk", nullptr},
        {"edit-net 2000 1100 left=3 right=", 2000, 1100, "&Range:", "3", nullptr},
        {"edit-entry 1432 3732 index=", 1432, 3732, "&Index:", "", "&Index:"},
        {"edit-generic 256 2048 name=width2 type=integer default=x", 256, 2048, "Def. &value:", "x",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const std::string before = listing(gui);
        EXPECT_FALSE(shell.run(c.command));
        std::string shell_text = shell.take_output();
        std::string dialog_text;
        EXPECT_EQ(dialog_at(c.x, c.y,
                            [&](FormDialog& d) {
                                // The generic's other fields of the command, as typed.
                                if (std::string(c.command).starts_with("edit-generic")) {
                                    type(d, "&Name:", "width2");
                                    choose(d, "&Type:", "Integer");
                                }
                                if (c.cleared != nullptr) type(d, c.cleared, "");
                                type(d, c.label, c.typed);
                                gui.take_output();
                                press_ok(d);
                                dialog_text = gui.take_output();
                                EXPECT_TRUE(d.isVisible()) << "a refused OK closed the dialog";
                                EXPECT_EQ(d.focusWidget(), d.find_field(c.label));
                                press_cancel(d);
                            }),
                  DialogOutcome::Cancelled);
        EXPECT_FALSE(dialog_text.empty());
        EXPECT_NE(shell_text.find(dialog_text), std::string::npos)
            << "dialog: " << dialog_text << "shell: " << shell_text;
        EXPECT_EQ(listing(gui), before);
    }
}

TEST_F(BlockDialogs, CancelChangesNothingAndEmptyPlacesOpenNoDialog) {
    const std::string before = listing(gui);
    EXPECT_EQ(dialog_at(256, 1100,
                        [](FormDialog& d) {
                            type(d, "&Name:", "renamed");
                            choose(d, "&Mode:", "Out");
                            press_cancel(d);
                        }),
              DialogOutcome::Cancelled);
    EXPECT_EQ(listing(gui), before);
    gui.take_output();
    EXPECT_TRUE(gui.run("undo-info"));
    std::string undo_before = gui.take_output();
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), {6000, 6000}), DialogOutcome::NoDialog);
    // An OK without a change is no edit either.
    EXPECT_EQ(dialog_at(256, 1100, [](FormDialog& d) { press_ok(d); }), DialogOutcome::Accepted);
    EXPECT_TRUE(gui.run("undo-info"));
    EXPECT_EQ(gui.take_output(), undo_before);
    EXPECT_EQ(listing(gui), before);
}

} // namespace
