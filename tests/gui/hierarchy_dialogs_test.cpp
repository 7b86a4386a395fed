// The hierarchy and package dialogs on real widgets: Configurations, Packages per Entity,
// Default packages and Instantiate, each compared with the shell's commands on a twin session
// (listings and saved design files); their refusals show the shell's text.
#include "twin_sessions.h"

#include "dialogs/command_dialogs.h"
#include "shell/level_navigation.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

using namespace zeph;
using namespace gui_test;
using shell_test::read_file;
using testing_support::ConsoleSession;

const std::vector<std::string> kBound = {
    "save-as bound.vdp",
    "add-component 640 640 u0 leaf block",
    "edit-instance u0 new=fast:block",
};

class HierarchyDialogs : public TwinSessions {
  protected:
    HierarchyDialogs() : TwinSessions(kBound) {}

    // The lines the command prints (a title that changed since the last command left out).
    std::string shown(ConsoleSession& s, const std::string& command) {
        s.take_output();
        EXPECT_TRUE(s.run(command)) << command;
        std::string kept;
        std::istringstream lines(s.take_output());
        for (std::string line; std::getline(lines, line);)
            if (!line.starts_with("title: ")) kept += line + "\n";
        return kept;
    }

    void expect_same_files() {
        ASSERT_TRUE(gui.run("save"));
        ASSERT_TRUE(shell.run("save"));
        for (const char* file : {"design/design.vdf", "work/config.cfg"})
            EXPECT_EQ(read_file(root / (std::string("gui/bound.vdp/") + file)),
                      read_file(root / (std::string("shell/bound.vdp/") + file)))
                << file;
    }

    static void press(FormDialog& d, const char* label) {
        for (QPushButton* button : d.findChildren<QPushButton*>())
            if (button->text() == label) QTest::mouseClick(button, Qt::LeftButton);
    }
    static void pick_row(QListWidget* list, const std::string& text) {
        ASSERT_NE(list, nullptr);
        QList<QListWidgetItem*> found =
            list->findItems(QString::fromStdString(text), Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text;
        list->setCurrentItem(found.front());
    }
};

TEST_F(HierarchyDialogs, ConfigurationsDoWhatTheConfigurationCommandsDo) {
    ASSERT_TRUE(shell.run({"new-configuration slow the first", "configure slow save",
                           "bind-architecture u0 fast", "new-configuration fast",
                           "configure fast save", "configure slow set"}));
    auto add_and_run = [&](const char* name, const char* info, const char* action) {
        ASSERT_TRUE(gui.run(std::string("answer ") + name));
        EXPECT_EQ(dialog(CommandId::DesignConfigurations,
                         [&](FormDialog& d) {
                             EXPECT_EQ(d.windowTitle(), "Configurations");
                             press(d, "&New");
                             type(d, "&Info:", info);
                             choose(d, "Ac&tion:", action);
                             press_ok(d);
                         }),
                  DialogOutcome::Accepted);
    };
    add_and_run("slow", "the first", "Save bindings to selected config.");
    ASSERT_TRUE(gui.run("bind-architecture u0 fast"));
    add_and_run("fast", "", "Save bindings to selected config.");
    // Choosing "slow" and setting the bindings by it.
    EXPECT_EQ(dialog(CommandId::DesignConfigurations,
                     [&](FormDialog& d) {
                         auto* list = field<QListWidget>(d, "C&onfigurations:");
                         ASSERT_EQ(list->count(), 2);
                         EXPECT_EQ(list->item(1)->text(), "fast*");
                         pick_row(list, "slow");
                         EXPECT_EQ(field<QLineEdit>(d, "&Info:")->text(), "the first");
                         choose(d, "Ac&tion:", "Set bindings by selected config.");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "configurations"), shown(shell, "configurations"));
    expect_same_files();

    // Deleting in the dialog and cancelling keeps everything; OK deletes.
    ASSERT_TRUE(gui.run("answer extra"));
    EXPECT_EQ(dialog(CommandId::DesignConfigurations,
                     [&](FormDialog& d) {
                         press(d, "&New");
                         pick_row(field<QListWidget>(d, "C&onfigurations:"), "fast");
                         press(d, "&Delete");
                         EXPECT_EQ(field<QListWidget>(d, "C&onfigurations:")->count(), 2);
                         press_cancel(d);
                     }),
              DialogOutcome::Cancelled);
    EXPECT_EQ(shown(gui, "configurations"), shown(shell, "configurations"));
    ASSERT_TRUE(shell.run("delete-configuration fast"));
    EXPECT_EQ(dialog(CommandId::DesignConfigurations,
                     [&](FormDialog& d) {
                         pick_row(field<QListWidget>(d, "C&onfigurations:"), "fast");
                         press(d, "&Delete");
                         pick_row(field<QListWidget>(d, "C&onfigurations:"), "slow*");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    ASSERT_TRUE(shell.run("configure slow"));
    EXPECT_EQ(shown(gui, "configurations"), shown(shell, "configurations"));
}

TEST_F(HierarchyDialogs, ADuplicateConfigurationNameShowsTheShellsText) {
    for (ConsoleSession* s : {&shell, &gui})
        ASSERT_TRUE(s->run("new-configuration slow"));
    EXPECT_FALSE(shell.run("new-configuration SLOW"));
    const std::string shell_text = shell.take_output();
    ASSERT_TRUE(gui.run({"answer SLOW", "answer <cancel>"}));
    std::string dialog_text;
    EXPECT_EQ(dialog(CommandId::DesignConfigurations,
                     [&](FormDialog& d) {
                         gui.take_output();
                         press(d, "&New");
                         dialog_text = gui.take_output();
                         EXPECT_EQ(field<QListWidget>(d, "C&onfigurations:")->count(), 1);
                         press_cancel(d);
                     }),
              DialogOutcome::Cancelled);
    const std::string refusal = "Error    48: Duplicate configuration name";
    EXPECT_NE(shell_text.find(refusal), std::string::npos) << shell_text;
    EXPECT_NE(dialog_text.find(refusal), std::string::npos) << dialog_text;
}

TEST_F(HierarchyDialogs, PackageDialogsDoWhatPackagesAndBindDo) {
    for (ConsoleSession* s : {&shell, &gui})
        ASSERT_TRUE(s->run("packages insert ieee.numeric_std"));
    ASSERT_TRUE(shell.run("bind leaf 1"));
    EXPECT_EQ(dialog(CommandId::DesignPackagesPerEntity,
                     [&](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Packages per entity");
                         auto* packages = d.findChild<QListWidget*>("packages");
                         pick_row(d.findChild<QListWidget*>("entities"), "leaf");
                         ASSERT_NE(packages, nullptr);
                         packages->setCurrentRow(0);
                         press(d, "&Add");
                         EXPECT_EQ(packages->item(0)->text(), "[X] ieee.numeric_std.ALL");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "bindings"), shown(shell, "bindings"));
    expect_same_files();

    ASSERT_TRUE(shell.run("packages default insert work.tools"));
    EXPECT_EQ(dialog(CommandId::OptionsDefaultPackages,
                     [](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Default Libraries and Packages");
                         type(d, "&Library:", "work");
                         type(d, "&Package:", "tools");
                         press(d, "&Insert");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "packages default list"), shown(shell, "packages default list"));
}

TEST_F(HierarchyDialogs, InstantiatePlacesWhatInstantiateDoes) {
    ASSERT_TRUE(shell.run("instantiate 2048 2048 leaf fast u9")) << shell.take_output();
    // Without a chosen entity: the shell's refusal, the dialog stays.
    EXPECT_FALSE(shell.run("instantiate 4096 4096"));
    const std::string shell_text = shell.take_output();
    ASSERT_TRUE(gui.run({"answer 2048 2048", "answer u9"}));
    std::string refusal;
    EXPECT_EQ(dialog(CommandId::DiagramInstantiate,
                     [&](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Instantiate");
                         gui.take_output();
                         press_ok(d);
                         refusal = gui.take_output();
                         EXPECT_TRUE(d.isVisible());
                         pick_row(field<QListWidget>(d, "Entities:"), "leaf");
                         pick_row(field<QListWidget>(d, "Architectures:"), "fast");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_NE(refusal.find("No entity specified."), std::string::npos) << refusal;
    EXPECT_NE(shell_text.find("No entity specified."), std::string::npos) << shell_text;
    expect_same_files();
}

// Level > Jump offers the levels with the current one chosen; Cancel stays, OK goes where the
// shell's jump goes.
TEST_F(HierarchyDialogs, LevelJumpGoesWhereJumpGoes) {
    ASSERT_TRUE(shell.run("jump leaf fast")) << shell.take_output();
    const std::string wanted = level_text(*current_level(shell.session()));
    const std::string before = level_text(*current_level(gui.session()));
    auto chosen_text = [](FormDialog& d) {
        auto* list = field<QListWidget>(d, "Levels:");
        return list->currentItem() != nullptr ? list->currentItem()->text().toStdString() : "";
    };
    EXPECT_EQ(dialog(CommandId::LevelJump,
                     [&](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Level Jump");
                         EXPECT_EQ(chosen_text(d), before);
                         pick_row(field<QListWidget>(d, "Levels:"), wanted);
                         press_cancel(d);
                     }),
              DialogOutcome::Cancelled);
    EXPECT_EQ(level_text(*current_level(gui.session())), before);
    EXPECT_EQ(dialog(CommandId::LevelJump,
                     [&](FormDialog& d) {
                         pick_row(field<QListWidget>(d, "Levels:"), wanted);
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(level_text(*current_level(gui.session())), wanted);
}

} // namespace
