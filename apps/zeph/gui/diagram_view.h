// The diagram view: the current block diagram or state diagram of the session, painted through
// the drawing layer's canvas, shown at the editor's view area (zoom and scrolling move that
// area, so the view and the editor stay in step). Mouse events go, in sheet units, to the tool
// in use: the view's own selection, zoom and level tools, or the editing handler set from
// outside for the other modes. While an operation picks a point or a rectangle, the next click
// or drag answers it instead.
#pragma once

#include "design/geometry.h"
#include "dialog_outcome.h"
#include "sheet_mouse_handler.h"
#include "sheet_picker.h"
#include "shell/main_window_vocabulary.h"
#include "view_tools.h"

#include <QAbstractScrollArea>
#include <QTransform>

#include <functional>
#include <optional>

class QEventLoop;
class QPainter;

namespace zeph {

class Session;

class DiagramView : public QAbstractScrollArea, public SheetPicker {
  public:
    explicit DiagramView(Session& session, QWidget* parent = nullptr);
    ~DiagramView() override;

    // The mode tool in use (nullopt: plain selection) and its variant.
    void set_mode(std::optional<CommandId> mode, int variant = 0);
    std::optional<CommandId> mode() const { return mode_; }
    int variant() const { return variant_; }
    // The handler of the editing modes (every mode but the level and zoom tools); null: none.
    void set_editing_handler(SheetMouseHandler* handler) { editing_ = handler; }
    // What a double-click with the selection tool does (the object's dialog).
    void set_double_click(std::function<bool(Point)> action) {
        selection_tool_.set_double_click(std::move(action));
    }
    // Called after a mouse gesture or a scroll changed something the window shows.
    void set_change_listener(std::function<void()> listener) { changed_ = std::move(listener); }

    // Takes up the session's current diagram and view area again and repaints.
    void sync();

    // The area of the sheet shown (sheet units); empty without a diagram.
    std::optional<zeph::Box> shown_area() const;
    // Widget pixels to sheet units and back, for the area shown now.
    Point to_sheet(const QPointF& pixel) const;
    QPointF to_pixel(Point sheet) const;

    // Paints the current diagram into `target` of any painter (the screen, an image, a page).
    void paint_diagram(QPainter& painter, const QRectF& target) const;

    std::optional<ui::Point> pick_point(const std::string& prompt) override;
    std::optional<ui::Rect> pick_rect(const std::string& prompt) override;
    bool picking() const { return pick_loop_ != nullptr; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Pick { None, Point, Rect };
    SheetMouseHandler* handler();
    SheetMouse sheet_mouse(const QMouseEvent& event) const;
    QTransform transform() const;
    void update_scroll_bars();
    void after_gesture(bool taken);
    void end_pick(bool answered);
    std::optional<ui::Rect> pick(Pick kind, const std::string& prompt);

    Session& session_;
    SelectionTool selection_tool_;
    ZoomTool zoom_tool_;
    LevelTool level_tool_;
    SheetMouseHandler* editing_ = nullptr;
    std::optional<CommandId> mode_;
    int variant_ = 0;
    std::function<void()> changed_;
    bool syncing_scroll_bars_ = false;

    // A pick under way: its nested event loop, the press and the answer.
    QEventLoop* pick_loop_ = nullptr;
    Pick pick_ = Pick::None;
    std::optional<Point> pick_from_;
    Point pick_to_;
    bool pick_answered_ = false;
};

} // namespace zeph
