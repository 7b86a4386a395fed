// The main window as a user meets it: menus and tools built from the vocabulary and kept
// current, the modes, the hooks for dialogs and editing, the close question, and the title.
#include "dialog_outcome.h"
#include "foundation/kind_vocabulary.h"
#include "modal_answers.h"
#include "report_dock.h"
#include "sheet_mouse_handler.h"
#include "shell/main_window_state.h"
#include "window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace zeph {
namespace {

using gui_test::press_in_next_box;
using gui_test::WindowTest;

// The window's menu tree as label lines, indented by depth, with "-" for a disabled item.
void describe(const QList<QAction*>& actions, int depth, std::string& out) {
    for (QAction* action : actions) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') +
               (action->isEnabled() ? "" : "-") + action->text().toStdString() + "\n";
        if (action->menu() != nullptr) describe(action->menu()->actions(), depth + 1, out);
    }
}

void describe(const std::vector<MenuItem>& items, int depth, std::string& out) {
    for (const MenuItem& item : items) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + (item.enabled ? "" : "-") +
               item.label + "\n";
        describe(item.items, depth + 1, out);
    }
}

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, MenusAndToolsAreTheVocabularyOfTheCurrentDiagram) {
    open_window();
    std::string shown;
    describe(window->menuBar()->actions(), 0, shown);
    std::string vocabulary;
    describe(main_menus(*session), 0, vocabulary);
    EXPECT_EQ(shown, vocabulary);
    EXPECT_NE(shown.find("&Refresh\tF5"), std::string::npos);
    EXPECT_EQ(window->menu_action({"Window", "Refresh"})->shortcut(), QKeySequence(Qt::Key_F5));

    std::vector<Tool> tools = tool_bar(*session);
    QList<QAction*> actions = window->tool_bar().actions();
    ASSERT_EQ(static_cast<std::size_t>(actions.size()), tools.size());
    for (std::size_t i = 0; i < tools.size(); ++i) {
        QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->toolTip().toStdString(), tools[i].tip);
        EXPECT_EQ(action->isEnabled(), tools[i].enabled) << tools[i].bitmap;
        EXPECT_EQ(action->isCheckable(), tools[i].handling == Handling::Mode) << tools[i].bitmap;
    }

    // The description shows in the status line while an item is highlighted.
    window->menu_action({"File", "Save As"})->hover();
    EXPECT_EQ(status_line(), "Save the Current Design under a New Name");
    window->menu_action({"Design"})->hover();
    EXPECT_EQ(status_line(), "Manage the Design (Packages, Structure, etc.)");

    // Verilog wordings once the design's language is Verilog.
    EXPECT_EQ(window->tool_action(CommandId::AddComponent)->toolTip(),
              "Add Component of New Entity...");
    session->design()->target_language = kLanguageVerilog;
    window->refresh();
    EXPECT_EQ(window->tool_action(CommandId::AddComponent)->toolTip(), "Add Module...");
    EXPECT_NE(window->menu_action({"Diagram", "Included Texts", "Module Comment"}), nullptr);
}

TEST_F(MainWindowTest, VerificationEnablesGenerationAndAnEditEnablesUndo) {
    draw_example("counter");
    open_window("counter.vdp");
    QAction* generate = window->menu_action({"Design", "Generate"});
    ASSERT_NE(generate, nullptr);
    EXPECT_FALSE(generate->isEnabled());
    EXPECT_FALSE(window->tool_action(CommandId::DesignGenerate)->isEnabled());
    choose({"Design", "Verify"});
    EXPECT_TRUE(window->menu_action({"Design", "Generate"})->isEnabled());
    EXPECT_TRUE(window->tool_action(CommandId::DesignGenerate)->isEnabled());
    EXPECT_TRUE(window->report().isVisible());
    EXPECT_EQ(window->report().title(), "Design Verify");
    EXPECT_TRUE(
        window->report().text().endsWith("0 errors, 0 warnings, and 2 notes in this design."))
        << window->report().text().toStdString();
}

TEST_F(MainWindowTest, ModeToolsAreExclusiveAndVariantsRememberTheirChoice) {
    open_window();
    std::vector<std::pair<std::optional<CommandId>, int>> told;
    window->set_mode_listener(
        [&](std::optional<CommandId> mode, int variant) { told.emplace_back(mode, variant); });
    QAction* wire = window->tool_action(CommandId::AddWire);
    QAction* port = window->tool_action(CommandId::AddPort);
    QAction* zoom = window->tool_action(CommandId::ToolZoom);
    wire->trigger();
    EXPECT_EQ(view().mode(), CommandId::AddWire);
    zoom->trigger();
    EXPECT_FALSE(wire->isChecked());
    EXPECT_EQ(view().mode(), CommandId::ToolZoom);
    zoom->trigger(); // again: back to the selection tool
    EXPECT_EQ(view().mode(), std::nullopt);

    // The third port variant ("Add InOut Port") from the tool's menu.
    ASSERT_NE(port->menu(), nullptr);
    ASSERT_EQ(port->menu()->actions().size(), 4);
    port->menu()->actions()[2]->trigger();
    EXPECT_EQ(session->tool_variant("ports4"), 2);
    EXPECT_EQ(view().mode(), CommandId::AddPort);
    EXPECT_EQ(view().variant(), 2);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), std::make_pair(std::optional<CommandId>(CommandId::AddPort), 2));
    EXPECT_TRUE(port->menu()->actions()[2]->isChecked());
    EXPECT_FALSE(port->menu()->actions()[0]->isChecked()) << "one variant is the chosen one";

    // A rebuilt tool bar keeps the choice: the button selects the remembered variant.
    zoom->trigger();
    session->design()->target_language = kLanguageVerilog;
    window->refresh();
    QAction* rebuilt = window->tool_action(CommandId::AddPort);
    ASSERT_EQ(rebuilt->menu()->actions().size(), 3);
    EXPECT_TRUE(rebuilt->menu()->actions()[2]->isChecked());
    rebuilt->trigger();
    EXPECT_EQ(view().variant(), 2);
    EXPECT_EQ(view().mode(), CommandId::AddPort);
}

// Records what the view hands to the editing modes.
class RecordingHandler : public SheetMouseHandler {
  public:
    bool press(const SheetMouse& m) override { return take("press", m); }
    bool drag(const SheetMouse& m) override { return take("drag", m); }
    bool release(const SheetMouse& m) override { return take("release", m); }
    bool double_click(const SheetMouse& m) override { return take("double", m); }
    std::vector<std::pair<Point, Point>> overlay() const override { return {}; }
    std::vector<std::pair<std::string, SheetMouse>> events;

  private:
    bool take(const char* what, const SheetMouse& m) {
        events.emplace_back(what, m);
        return true;
    }
};

TEST_F(MainWindowTest, EditingModesGetTheMouseInSheetUnitsAndDialogsGoToTheirHooks) {
    open_window();
    RecordingHandler handler;
    window->set_editing_handler(&handler);
    window->tool_action(CommandId::AddWire)->trigger();
    click({1280, 640}, Qt::ShiftModifier);
    ASSERT_EQ(handler.events.size(), 2u);
    EXPECT_EQ(handler.events[0].first, "press");
    EXPECT_EQ(handler.events[1].first, "release");
    const SheetMouse& m = handler.events[0].second;
    // One pixel is several sheet units at the overview: the point comes back within a pixel.
    Point back = view().to_sheet(QPointF(pixel({1280, 640})));
    EXPECT_EQ(m.at, back);
    EXPECT_LE(std::abs(m.at.x - 1280), 20);
    EXPECT_LE(std::abs(m.at.y - 640), 20);
    EXPECT_TRUE(m.shift);
    EXPECT_FALSE(m.control);

    std::vector<CommandId> asked;
    window->set_command_dialogs([&](QWidget* parent, Session& s, CommandId id) {
        EXPECT_EQ(parent, window.get());
        EXPECT_EQ(&s, session.get());
        asked.push_back(id);
        return DialogOutcome::Accepted;
    });
    choose({"Design", "Setup"});
    window->tool_action(CommandId::EditObject)->trigger();
    EXPECT_EQ(asked, (std::vector<CommandId>{CommandId::DesignSetup, CommandId::EditObject}));

    // A double-click with the selection tool opens the object's dialog at that point.
    std::optional<Point> edited;
    window->set_object_editor([&](QWidget*, Session&, Point at) {
        edited = at;
        return DialogOutcome::Cancelled;
    });
    window->tool_action(CommandId::AddWire)->trigger(); // off again
    // Without editing tools attached the view's own selection tool takes the double-click.
    window->set_editing_handler(nullptr);
    ASSERT_EQ(view().mode(), std::nullopt);
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, pixel({700, 700}));
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(*edited, view().to_sheet(QPointF(pixel({700, 700}))));
}

TEST_F(MainWindowTest, ClosingAsksAboutChangesAndCancelKeepsTheWindow) {
    open_window();
    EXPECT_EQ(window->windowTitle().toStdString(), session->title());
    session->mark_modified();
    window->refresh();
    std::string question;
    press_in_next_box(QMessageBox::Cancel, &question);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(question, session->close_question());
    EXPECT_TRUE(window->isVisible());
    press_in_next_box(QMessageBox::No);
    EXPECT_TRUE(window->close());
}

} // namespace
} // namespace zeph
