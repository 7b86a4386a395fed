// Whole diagrams drawn in a real main window by QTest mouse events on its diagram view: tools
// chosen through the tool bar's actions, points given in sheet units and turned into widget
// pixels by the view's own transform, names and values typed into the real prompts and
// dialogs. The saved design file must be the one the same drawing made by a shell script
// through the real zeph program saves, byte for byte.
#include "dialog_driver.h"
#include "dialogs/labels_dialog.h"
#include "shell/machine_command_args.h"
#include "shell/main_window_dispatch.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"
#include "window_editing.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <deque>
#include <functional>
#include <set>

namespace zeph {
namespace {

using gui_test::WindowTest;

// The answers to the modal widgets the drawing opens, in the order they open: each one acts
// on the next visible modal widget once.
class ModalScript {
  public:
    ModalScript() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { act_on_modal(); });
        poll_.start(kPollMs);
    }
    void text(const std::string& answer) {
        acts_.push_back([answer](QWidget* modal) {
            auto* prompt = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(prompt, nullptr) << "expected a prompt for " << answer;
            prompt->setTextValue(QString::fromStdString(answer));
            prompt->accept();
        });
    }
    void button(QMessageBox::StandardButton which) {
        acts_.push_back([which](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr) << "expected a message box";
            box->button(which)->click();
        });
    }
    void form(std::function<void(FormDialog&)> fill) {
        acts_.push_back([fill = std::move(fill)](QWidget* modal) {
            auto* dialog = dynamic_cast<FormDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << "expected a form dialog";
            fill(*dialog);
            gui_test::press_ok(*dialog);
        });
    }
    void labels(std::function<void(LabelsDialog&)> fill) {
        acts_.push_back([fill = std::move(fill)](QWidget* modal) {
            auto* dialog = dynamic_cast<LabelsDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << "expected the labels dialog";
            fill(*dialog);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
    }
    std::size_t pending() const { return acts_.size(); }

  private:
    static constexpr int kPollMs = 5;
    // The act runs from a timer of its own, so that the modal widgets it opens in turn (a
    // question asked by a dialog's OK) are answered while it waits in their event loops.
    void act_on_modal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || acts_.empty() || acting_.contains(modal))
            return;
        acting_.insert(modal);
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, [this, act = std::move(acts_.front()), target, modal] {
            if (target) act(target);
            acting_.erase(modal);
        });
        acts_.pop_front();
    }
    QTimer poll_;
    std::set<QWidget*> acting_;
    std::deque<std::function<void(QWidget*)>> acts_;
};

class WindowDrawingTest : public WindowTest {
  protected:
    // The window on a new untitled design whose project directory is `gui` beside the
    // directory of the shell's drawing.
    void open_drawing_window(const std::string& project) {
        std::filesystem::create_directories(dir / "gui");
        std::filesystem::current_path(dir / "gui");
        open_window();
        editing = std::make_unique<WindowEditing>(*window, *session);
        ASSERT_TRUE(session->save_as(project));
    }
    void TearDown() override { editing.reset(); }

    // A tool of the tool bar as a click on it chooses it; a variant from its drop-down menu.
    void tool(CommandId id, int variant = -1) {
        QAction* action = window->tool_action(id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        if (variant >= 0) {
            ASSERT_NE(action->menu(), nullptr);
            action->menu()->actions().at(variant)->trigger();
        } else if (!action->isChecked()) {
            action->trigger();
        }
        ASSERT_EQ(view().mode(), id);
    }
    // Back to plain selection: a second click on the chosen mode tool.
    void plain() {
        if (std::optional<CommandId> mode = view().mode()) window->tool_action(*mode)->trigger();
        ASSERT_EQ(view().mode(), std::nullopt);
    }
    void double_click(Point at) {
        QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, pixel(at));
    }
    // A double-click with the selection tool: the object's dialog, filled by `answers`.
    void edit_at(Point at) {
        plain();
        double_click(at);
        EXPECT_EQ(script.pending(), 0u) << "the dialog at " << at.x << " " << at.y;
    }
    void edit_port(Point at, const std::string& name, const char* function = nullptr) {
        script.form([name, function](FormDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Edit Port");
            gui_test::type(d, "&Name:", name);
            if (function != nullptr) gui_test::choose(d, "Special &function:", function);
        });
        edit_at(at);
    }
    // A component of a new entity, named in the prompt; its entity renamed in Edit Instance.
    void component(int variant, Point at, const std::string& name, const std::string& entity) {
        tool(CommandId::AddComponent, variant);
        script.text(name);
        click(at);
        script.form([entity](FormDialog& d) { gui_test::type(d, "&Name:", entity); });
        script.button(QMessageBox::No); // "No" renames the new entity
        edit_at({at.x + 128, at.y + 512});
    }
    // A point on a curve, where a double-click finds it whatever pixel the point falls in.
    Point middle_of_transition(std::size_t index) {
        StateMachine* machine = machine_commands::current_machine(*session);
        EXPECT_NE(machine, nullptr);
        if (machine == nullptr || index >= machine->transitions.size()) return {};
        const std::vector<Point>& points = machine->transitions[index]->points;
        return points[points.size() / 2];
    }
    std::string saved(const std::string& path) { return shell_test::read_file(dir / path); }

    ModalScript script;
    std::unique_ptr<WindowEditing> editing;
};

// The README's block diagram (its points lie on the grid of 64, where clicks land).
const char* const kCounterOnGrid = R"(save-as counter.vdp
add-component 1024 1024 u0 alu
add-component 2560 1024 u1 regs hdl
add-port out 1536 1088 y
add-port in 2560 1088 d
wire 1600 1088 2496 1088
add-port in 256 1088 clk
add-port in 1024 1088 a
wire 320 1088 960 1088
wire 1216 3712 4032 3712
edit-net 1280 3712 name=data left=7 right=0
add-bus-entry 1408 3712
edit-entry 1440 3744 index=0
wire 1472 3776 1472 4032 2240 4032
add-port out 5824 1984 flag
tag 5760 1984
save
exit
)";

TEST_F(WindowDrawingTest, TheReadmeBlockDiagramDrawnInTheWindowSavesTheScriptsFile) {
    shell_test::ZephResult drawn = run_script(kCounterOnGrid);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    open_drawing_window("counter.vdp");

    component(0, {1024, 1024}, "u0", "alu");
    component(1, {2560, 1024}, "u1", "regs");
    tool(CommandId::AddPort, 1);
    click({1536, 1088});
    edit_port({1536, 1088}, "y");
    tool(CommandId::AddPort, 0);
    click({2560, 1088});
    edit_port({2560, 1088}, "d");
    tool(CommandId::AddWire);
    click({1600, 1088});
    click({2496, 1088}); // on d's connection point: the wire ends
    tool(CommandId::AddPort, 0);
    click({256, 1088});
    edit_port({256, 1088}, "clk");
    tool(CommandId::AddPort, 0);
    click({1024, 1088});
    edit_port({1024, 1088}, "a");
    tool(CommandId::AddWire);
    click({320, 1088});
    click({960, 1088});
    click({1216, 3712});
    double_click({4032, 3712});
    script.form([](FormDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Net");
        gui_test::type(d, "&Name:", "data");
        gui_test::type(d, "&Range:", "7");
        gui_test::type(d, "right:", "0");
    });
    edit_at({1280, 3712});
    tool(CommandId::AddBusEntry);
    click({1408, 3712});
    script.form([](FormDialog& d) { gui_test::type(d, "&Index:", "0"); });
    edit_at({1440, 3744});
    tool(CommandId::AddWire);
    click({1472, 3776});
    click({1472, 4032});
    double_click({2240, 4032});
    tool(CommandId::AddPort, 1);
    click({5824, 1984});
    edit_port({5824, 1984}, "flag");
    tool(CommandId::AddConnectLabel);
    click({5760, 1984});
    choose({"File", "Save"});

    EXPECT_EQ(script.pending(), 0u);
    EXPECT_EQ(platform->beeps(), 0);
    std::string design = saved("gui/counter.vdp/design/design.vdf");
    for (const char* name : {"alu", "regs", "data", "flag"})
        EXPECT_NE(design.find(name), std::string::npos) << name;
    EXPECT_EQ(design, saved("counter.vdp/design/design.vdf")) << drawn.out;
}

// The README's lamp, word for word.
const char* const kReadmeLamp = R"(save-as lamp.vdp
add-component 640 640 u0 lamp state
add-port in 640 704 clk
add-port in 640 832 rst
add-port in 640 960 button
add-port out 1152 704 light
edit-port 640 704 function=clock
edit-port 640 832 function=reset
diagram lamp a0
add-state 1024 1024 off
add-state 2560 1024 lit
new-label condition reset vhdl="rst = '1'" verilog="rst == 1"
new-label condition pressed vhdl="button = '1'" verilog="button == 1"
new-label action light_on vhdl="light <= '1';" verilog="light = 1;"
new-label action light_off vhdl="light <= '0';" verilog="light = 0;"
add-transition 320 320 off
edit-transition 0 asynchronous=yes condition=reset
add-curve off lit
edit-transition 1 condition=pressed
add-curve lit off
edit-transition 2 condition=pressed
add-action state off light_off
add-action state lit light_on
machine-options assignment=binary
list-diagram
save
exit
)";

// "&New" in the labels dialog with the label's texts in both languages.
void new_label(ModalScript& script, LabelsDialog& d, const std::string& name,
               const std::string& vhdl, const std::string& verilog) {
    script.text(name);
    QTest::mouseClick(d.button("&New"), Qt::LeftButton);
    auto view_button = [&d] {
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().startsWith("&View")) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    QPushButton* view = view_button();
    ASSERT_NE(view, nullptr);
    bool verilog_first = view->text() == "&View Vhdl"; // the Verilog text is shown now
    QTest::keyClicks(d.text(), QString::fromStdString(verilog_first ? verilog : vhdl));
    QTest::mouseClick(view, Qt::LeftButton);
    QTest::keyClicks(d.text(), QString::fromStdString(verilog_first ? vhdl : verilog));
}

TEST_F(WindowDrawingTest, TheReadmeStateMachineDrawnInTheWindowSavesTheScriptsFile) {
    shell_test::ZephResult drawn = run_script(kReadmeLamp);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    open_drawing_window("lamp.vdp");

    component(2, {640, 640}, "u0", "lamp");
    tool(CommandId::AddPort, 0);
    for (int y : {704, 832, 960})
        click({640, y});
    tool(CommandId::AddPort, 1);
    click({1152, 704});
    edit_port({640, 704}, "clk", "Clock");
    edit_port({640, 832}, "rst", "Reset");
    edit_port({640, 960}, "button");
    edit_port({1152, 704}, "light");
    tool(CommandId::ToolLevel);
    click({900, 900});
    ASSERT_NE(window->tool_action(CommandId::AddState), nullptr) << "down in the state diagram";

    tool(CommandId::AddState);
    script.text("off");
    click({1024, 1024});
    script.text("lit");
    click({2560, 1024});
    script.labels([this](LabelsDialog& d) {
        new_label(script, d, "reset", "rst = '1'", "rst == 1");
        new_label(script, d, "pressed", "button = '1'", "button == 1");
    });
    choose({"Diagram", "Condition Labels"});
    script.labels([this](LabelsDialog& d) {
        new_label(script, d, "light_on", "light <= '1';", "light = 1;");
        new_label(script, d, "light_off", "light <= '0';", "light = 0;");
    });
    choose({"Diagram", "Action Labels"});

    tool(CommandId::AddTransition, 0);
    click({320, 320});
    click({1100, 1000}); // inside "off": the transition ends there
    script.labels([](LabelsDialog& d) {
        ASSERT_NE(d.asynchronous(), nullptr);
        d.asynchronous()->setChecked(true);
        EXPECT_TRUE(d.select_label("reset"));
    });
    edit_at({320, 320});
    tool(CommandId::AddTransition, 1);
    click({1000, 1050});
    click({2600, 1000});
    script.labels([](LabelsDialog& d) { EXPECT_TRUE(d.select_label("pressed")); });
    edit_at(middle_of_transition(1));
    tool(CommandId::AddTransition, 1);
    drag({2500, 1100}, {1024, 1024});
    script.labels([](LabelsDialog& d) { EXPECT_TRUE(d.select_label("pressed")); });
    edit_at(middle_of_transition(2));
    tool(CommandId::AddAction);
    script.labels([](LabelsDialog& d) { EXPECT_TRUE(d.select_label("light_off")); });
    click({1024, 1024});
    script.labels([](LabelsDialog& d) { EXPECT_TRUE(d.select_label("light_on")); });
    click({2560, 1024});
    script.form([](FormDialog& d) { gui_test::choose(d, "S&tate assignment:", "Binary"); });
    choose({"Diagram", "Options"});
    choose({"File", "Save"});

    EXPECT_EQ(script.pending(), 0u);
    EXPECT_EQ(platform->beeps(), 0);
    std::string design = saved("gui/lamp.vdp/design/design.vdf");
    for (const char* name : {"lit", "light_on", "button = '1'", "Fsm:"})
        EXPECT_NE(design.find(name), std::string::npos) << name;
    EXPECT_EQ(design, saved("lamp.vdp/design/design.vdf")) << drawn.out;
}

} // namespace
} // namespace zeph

namespace zeph {
namespace {

// The lamp's state diagram in the window: a click selects a state for the Delete tool, the Undo
// tool brings it back, a rubber band selects everything, and Diagram > REST State takes the
// next click in the view.
TEST_F(WindowDrawingTest, StatesAreSelectedDeletedRestoredAndTheRestStatePlacedInTheWindow) {
    shell_test::ZephResult drawn = run_script(kReadmeLamp);
    ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
    open_window("lamp.vdp");
    editing = std::make_unique<WindowEditing>(*window, *session);
    tool(CommandId::ToolLevel);
    click({900, 900});
    StateMachine* machine = machine_commands::current_machine(*session);
    ASSERT_NE(machine, nullptr);
    plain();

    EXPECT_FALSE(window->tool_action(CommandId::SelectionDelete)->isEnabled());
    click({2560, 1024});
    QAction* remove = window->tool_action(CommandId::SelectionDelete);
    ASSERT_TRUE(remove->isEnabled()) << "the tool follows the selection";
    remove->trigger();
    ASSERT_EQ(machine->states.size(), 1u);
    EXPECT_EQ(machine->transitions.size(), 1u) << "only the reset transition is left";
    QAction* undo = window->tool_action(CommandId::EditUndo);
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(machine->states.size(), 2u);
    EXPECT_EQ(machine->transitions.size(), 3u);

    drag({128, 128}, {3200, 2200});
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(*session);
    ASSERT_TRUE(diagram);
    EXPECT_EQ(state_selection_of(*session, *diagram).size(), 5u);
    EXPECT_FALSE(editing->overlay().empty()) << "the selection is marked";

    QTimer::singleShot(0, [this] { click({3072, 2048}); });
    choose({"Diagram", "REST State"});
    ASSERT_NE(machine->rest, nullptr);
    EXPECT_EQ(box_centre(machine->rest->box), (Point{3072, 2048}));
    EXPECT_EQ(platform->beeps(), 0);
}

} // namespace
} // namespace zeph
