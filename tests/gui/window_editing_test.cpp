// The main window with its editing attached as the program attaches it: the mouse tools draw
// through the view's real mouse events, the selection tool moves by dragging, Escape drops a
// wire under way, and the edit hook reaches the object dialogs.
#include "shell/main_window_dispatch.h"
#include "window_editing.h"
#include "window_fixture.h"

namespace zeph {
namespace {

using gui_test::WindowTest;

class WindowEditingTest : public WindowTest {
  protected:
    std::size_t nets() { return current_block_diagram_editor(*session)->diagram().nets.size(); }
    // A point of the empty lower right part of the counter's sheet, by its place in the view.
    Point empty_spot(double x, double y) {
        QRect area = view().viewport()->rect();
        return view().to_sheet(QPointF(area.width() * x, area.height() * y));
    }
};

TEST_F(WindowEditingTest, AWireDrawnWithTheMouseIsOneEditThatUndoTakesBack) {
    draw_example("counter");
    open_window("counter.vdp");
    WindowEditing editing(*window, *session);
    std::size_t before = nets();

    window->tool_action(CommandId::AddWire)->trigger();
    Point from = empty_spot(0.70, 0.80);
    Point to = empty_spot(0.85, 0.80);
    click(from);
    click(to);
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, pixel(to));
    EXPECT_EQ(nets(), before + 1);
    EXPECT_TRUE(editing.overlay().empty());

    // Escape drops a wire under way: nothing of it reaches the diagram.
    click(empty_spot(0.70, 0.90));
    click(empty_spot(0.85, 0.90));
    EXPECT_FALSE(editing.overlay().empty());
    QTest::keyClick(view().viewport(), Qt::Key_Escape);
    EXPECT_TRUE(editing.overlay().empty());
    EXPECT_EQ(nets(), before + 1);

    window->tool_action(CommandId::EditUndo)->trigger();
    EXPECT_EQ(nets(), before);
}

} // namespace
} // namespace zeph
