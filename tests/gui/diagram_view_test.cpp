// The diagram view on shipped examples: verify and generate from the menu write what the shell
// writes, level navigation by the level tool and the Level menu (its point picked by a click),
// selection by click, Shift+click and rubber band, zoom and scrolling kept in step with the
// editor's view area, refusals showing the shell's texts, and screenshots of both diagram kinds.
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/view_highlight.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "dialog_driver.h"
#include "drawing/palette.h"
#include "modal_answers.h"
#include "report_dock.h"
#include "shell/command_table.h"
#include "shell/level_navigation.h"
#include "shell/main_window_dispatch.h"
#include "window_editing.h"
#include "window_fixture.h"

#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include <set>

namespace zeph {
namespace {

using gui_test::on_next_modal;
using gui_test::press_in_next_box;
using gui_test::WindowTest;
using shell_test::read_file;

class DiagramViewTest : public WindowTest {
  protected:
    std::string level_name() {
        std::optional<Level> level = current_level(*session);
        if (!level) return "";
        return level->entity->name + (level->process != nullptr ? "/" + level->process->name : "");
    }
    // Files below a directory, by their path relative to it, with their bytes.
    static std::map<std::string, std::string> files_below(const std::filesystem::path& root) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files[std::filesystem::relative(entry.path(), root).string()] =
                    read_file(entry.path().string());
        return files;
    }
    void screenshot(const std::string& name) {
        QTest::qWait(50); // the tool bar lays out its rebuilt buttons
        QImage image = window->grab().toImage();
        std::filesystem::path folder = std::filesystem::path(ZEPH_BINARY_DIR) / "gui_screenshots";
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(image.save(QString::fromStdString((folder / name).string())));
        // A picture, not an empty window: many colours in the diagram's part.
        QImage diagram = view().viewport()->grab().toImage();
        std::set<QRgb> colours;
        for (int y = 0; y < diagram.height(); y += 3)
            for (int x = 0; x < diagram.width(); x += 3)
                colours.insert(diagram.pixel(x, y));
        EXPECT_GT(colours.size(), 4u) << name;
    }
};

// The generate dialog's work, as its shell command does it.
class CommandRunner : public CommandShell {
  public:
    void print(const char*, const std::string&) override {}
    void request_exit() override {}
};

TEST_F(DiagramViewTest, VerifyAndGenerateFromTheMenuWriteTheShellsFiles) {
    draw_example("counter");
    shell_test::ZephResult shell =
        run_script("verify-design\ngenerate root=counter overwrite\nexit\n", "counter.vdp");
    std::filesystem::path output = std::filesystem::path(dir.path()) / "counter.vdp" / "output";
    std::map<std::string, std::string> by_shell = files_below(output);
    ASSERT_FALSE(by_shell.empty()) << shell.out << shell.err;
    std::filesystem::remove_all(output);

    open_window("counter.vdp");
    CommandTable commands;
    add_session_commands(commands);
    window->set_command_dialogs([&](QWidget*, Session& s, CommandId id) {
        EXPECT_EQ(id, CommandId::DesignGenerate);
        std::vector<std::string> words{"root=counter", "overwrite"};
        CommandRunner runner;
        Invocation call{words, runner, s};
        return run_command(*commands.find("generate"), call) ? DialogOutcome::Accepted
                                                             : DialogOutcome::Cancelled;
    });
    choose({"Design", "Verify"});
    // The analysis tool of the default settings cannot exist here: its message box, as the
    // shell showed it.
    std::string analysis;
    press_in_next_box(QMessageBox::Ok, &analysis);
    choose({"Design", "Generate"});
    EXPECT_NE(shell.out.find("] " + analysis), std::string::npos) << analysis;
    EXPECT_EQ(files_below(output), by_shell);
    EXPECT_NE(window->report().text().toStdString().find("Output generation done."),
              std::string::npos);
}

TEST_F(DiagramViewTest, LevelToolAndLevelMenuGoDownAndUp) {
    draw_example("counter");
    open_window("counter.vdp");
    choose({"Level", "Top"});
    ASSERT_EQ(level_name(), "Toplevel");
    window->tool_action(CommandId::ToolLevel)->trigger();
    click({700, 700}); // the component u0 of entity counter
    EXPECT_EQ(level_name(), "counter");
    EXPECT_EQ(view().shown_area(), session->editor().view().area);
    click({3000, 3000}); // nothing there: up
    EXPECT_EQ(level_name(), "Toplevel");

    // Level Down asks for the component with a click in the view.
    window->tool_action(CommandId::ToolLevel)->trigger(); // back to selection
    QTimer::singleShot(0, [this] { click({700, 700}); });
    choose({"Level", "Down"});
    EXPECT_EQ(level_name(), "counter");
    EXPECT_FALSE(view().picking());
    choose({"Level", "Up"});
    EXPECT_EQ(level_name(), "Toplevel");

    // Escape cancels the pick: the level stays.
    QTimer::singleShot(0, [this] { QTest::keyClick(view().viewport(), Qt::Key_Escape); });
    choose({"Level", "Down"});
    EXPECT_EQ(level_name(), "Toplevel");
}

TEST_F(DiagramViewTest, SelectionByClickShiftClickAndRubberBand) {
    draw_example("counter");
    open_window("counter.vdp");
    ASSERT_TRUE(level_down(*session, {700, 700}));
    window->refresh();
    ASSERT_EQ(level_name(), "counter");
    Selection& selection = session->editor().selection();
    QAction* remove = window->tool_action(CommandId::SelectionDelete);
    EXPECT_FALSE(remove->isEnabled());

    click({700, 200}); // inside r0's box (dff8)
    ASSERT_EQ(selection.size(), 1u);
    EXPECT_EQ(selection[0].type, DiagramObjectType::Component);
    EXPECT_EQ(selection[0].component->name, "r0");
    EXPECT_TRUE(remove->isEnabled()) << "enabling follows the selection";

    click({1700, 1700}, Qt::ShiftModifier); // i0 joins
    ASSERT_EQ(selection.size(), 2u);
    EXPECT_EQ(selection[1].component->name, "i0");
    click({700, 200}, Qt::ShiftModifier); // r0 leaves
    ASSERT_EQ(selection.size(), 1u);
    EXPECT_EQ(selection[0].component->name, "i0");

    click({2900, 2300}); // empty sheet
    EXPECT_TRUE(selection.empty());
    EXPECT_FALSE(remove->isEnabled());

    // A band selects what lies inside it; with Shift it adds to the selection.
    auto components = [&] {
        std::set<std::string> names;
        for (const DiagramObject& o : selection)
            if (o.type == DiagramObjectType::Component) names.insert(o.component->name);
        return names;
    };
    Box all = *view().shown_area();
    Point far_corner{all.x2 - 16, all.y2 - 16};
    drag({1400, 1400}, far_corner);
    EXPECT_EQ(components(), (std::set<std::string>{"i0"}));
    click({700, 200});
    drag({1400, 1400}, far_corner, Qt::ShiftModifier);
    EXPECT_EQ(components(), (std::set<std::string>{"i0", "r0"}));
    drag({all.x1 + 16, all.y1 + 16}, far_corner);
    EXPECT_EQ(components(), (std::set<std::string>{"i0", "r0"}));
    EXPECT_GT(selection.size(), 2u) << "ports, nets and the text as well";
}

TEST_F(DiagramViewTest, HighlightNetShowsTheNetInTheSelectionColourUntilTheNextClick) {
    draw_example("counter");
    open_window("counter.vdp");
    ASSERT_TRUE(level_down(*session, {700, 700}));
    WindowEditing editing(*window, *session); // the dialogs, and clicks that select
    window->refresh();
    // A selection colour that nothing else on the diagram has.
    constexpr int kMarked = 12;
    session->diagram_settings().colours[static_cast<int>(DiagramColour::Selected)] = kMarked;
    const Rgb rgb = palette_colour(kMarked);
    const QColor marked(rgb.red, rgb.green, rgb.blue);
    // Points along the net "count", which runs from r0's output to i0's input.
    const std::vector<Point> along = {{1280, 128}, {1900, 128},  {2500, 128},
                                      {1344, 600}, {1344, 1200}, {1400, 1600}};
    auto marked_points = [&] {
        QImage image = view().viewport()->grab().toImage();
        int count = 0;
        for (Point p : along) {
            QPoint centre = pixel(p);
            bool found = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (image.valid(centre.x() + dx, centre.y() + dy) &&
                        image.pixelColor(centre.x() + dx, centre.y() + dy) == marked)
                        found = true;
            count += found ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(marked_points(), 0);

    gui_test::when_form_shown([](FormDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Highlight Net");
        gui_test::type(d, "&Net name or number:", "COUNT"); // names are matched ignoring case
        gui_test::press_ok(d);
    });
    choose({"Diagram", "Highlight Net"});
    BlockDiagram& diagram = session->editor().diagram();
    std::optional<std::size_t> net = highlighted_net(diagram);
    ASSERT_TRUE(net.has_value());
    EXPECT_EQ(diagram.nets[*net]->name, "count");
    // The view is centred on the net.
    Point centre = net_centre(*diagram.nets[*net]);
    Box shown = *view().shown_area();
    EXPECT_LE(std::abs((shown.x1 + shown.x2) / 2 - centre.x), 1);
    EXPECT_LE(std::abs((shown.y1 + shown.y2) / 2 - centre.y), 1);
    EXPECT_EQ(marked_points(), static_cast<int>(along.size()));

    click({2900, 2300}); // empty sheet: a new (empty) selection
    EXPECT_FALSE(highlighted_net(diagram).has_value());
    EXPECT_EQ(marked_points(), 0);
}

TEST_F(DiagramViewTest, ZoomAndScrollingMoveTheEditorsViewArea) {
    draw_example("counter");
    open_window("counter.vdp");
    ViewArea& area = session->editor().view();
    Box before = area.area;
    choose({"Window", "Zoom In"});
    EXPECT_LT(area.width(), before.x2 - before.x1);
    EXPECT_EQ(view().shown_area(), area.area);
    EXPECT_EQ(view().horizontalScrollBar()->value(), area.area.x1);
    EXPECT_EQ(view().verticalScrollBar()->value(), area.area.y1);

    int width = area.width();
    view().horizontalScrollBar()->setValue(area.area.x1 + 500);
    EXPECT_EQ(area.width(), width);
    EXPECT_EQ(view().horizontalScrollBar()->value(), area.area.x1);
    QTest::keyClick(view().viewport(), Qt::Key_PageDown);
    view().verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view().verticalScrollBar()->value(), area.area.y1);

    // The zoom tool: a click zooms in on the point, which becomes the centre.
    window->tool_action(CommandId::ToolZoom)->trigger();
    Point centre{(area.area.x1 + area.area.x2) / 2 + 200, (area.area.y1 + area.area.y2) / 2};
    width = area.width();
    click(centre);
    EXPECT_LT(area.width(), width);
    EXPECT_LE(std::abs((area.area.x1 + area.area.x2) / 2 - centre.x), 20);
    click(centre, Qt::ShiftModifier);
    EXPECT_GE(area.width(), width - 2);

    choose({"Window", "Overview"});
    EXPECT_EQ(area.area, before);
    EXPECT_EQ(view().shown_area(), before);
}

TEST_F(DiagramViewTest, RefusalsShowTheShellsTexts) {
    draw_example("counter");
    shell_test::write_file(dir / "notes.txt", "not a design\n");
    shell_test::ZephResult shell = run_script("open notes.txt\ntop\nup\nexit\n", "counter.vdp");
    open_window("counter.vdp");

    // A file that is no design project: the message box says what the shell's box line says.
    std::string text;
    on_next_modal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        files->selectFile(QString::fromStdString(dir / "notes.txt"));
        press_in_next_box(QMessageBox::Ok, &text);
        static_cast<QDialog*>(files)->accept();
    });
    choose({"File", "Open"});
    ASSERT_FALSE(text.empty());
    EXPECT_NE(shell.out.find("] " + text + "\n"), std::string::npos) << text << "\n" << shell.out;

    // Up from the top level: the status line, with a beep, as in the shell.
    choose({"Level", "Top"});
    int beeps = platform->beeps();
    choose({"Level", "Up"});
    EXPECT_EQ(platform->beeps(), beeps + 1);
    EXPECT_NE(shell.out.find("beep: " + status_line() + "\n"), std::string::npos) << shell.out;
    EXPECT_NE(status_line().find("is not instantiated"), std::string::npos);
}

TEST_F(DiagramViewTest, ScreenshotsOfABlockDiagramAndAStateDiagram) {
    draw_example("counter");
    open_window("counter.vdp");
    ASSERT_TRUE(level_down(*session, {700, 700}));
    window->refresh();
    click({700, 200});
    screenshot("block_diagram.png");
    window.reset();
    session->abandon();
    session.reset();

    draw_example("traffic");
    open_window("traffic.vdp");
    Entity* traffic = find_entity(*session->design(), "traffic");
    ASSERT_NE(traffic, nullptr);
    make_current(*session, {traffic, traffic->architectures.front().get(), nullptr});
    window->refresh();
    EXPECT_EQ(current_diagram_kind(*session), DiagramKind::StateDiagram);
    EXPECT_NE(window->tool_action(CommandId::AddState), nullptr);
    EXPECT_EQ(window->tool_action(CommandId::AddComponent), nullptr);
    EXPECT_TRUE(view().shown_area().has_value());
    screenshot("state_diagram.png");
}

} // namespace
} // namespace zeph
