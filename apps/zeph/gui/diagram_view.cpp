// The diagram view.
#include "diagram_view.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/view_area.h"
#include "blockdiagram/view_highlight.h"
#include "painter_canvas.h"
#include "shell/drawing_options.h"
#include "shell/main_window_dispatch.h"
#include "shell/main_window_state.h"
#include "shell/session.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {
// What the view shows of the session now.
struct ShownDiagram {
    DiagramEditor* editor = nullptr;      // a block diagram
    Architecture* architecture = nullptr; // a state diagram architecture
    const Process* process = nullptr;     // a state diagram process
    zeph::Box area;
};

std::optional<ShownDiagram> shown_diagram(Session& session) {
    Design* design = session.design();
    if (design == nullptr) return std::nullopt;
    ShownDiagram shown;
    switch (current_diagram_kind(session)) {
    case DiagramKind::BlockDiagram:
        shown.editor = current_block_diagram_editor(session);
        if (shown.editor == nullptr) return std::nullopt;
        shown.area = shown.editor->view().area;
        return shown;
    case DiagramKind::StateDiagram:
        if (design->current_process != nullptr) {
            shown.process = design->current_process;
            shown.area = overview(shown.process->sheet).area;
        } else {
            shown.architecture = design->current_architecture;
            shown.area = overview(shown.architecture->sheet).area;
        }
        return shown;
    default:
        return std::nullopt;
    }
}

constexpr int kWheelNotch = 120; // angle delta of one wheel step
constexpr int kScrollSteps = 10; // a scroll bar step is a tenth of the view
constexpr int kNoDiagramGrey = 160;
} // namespace

DiagramView::DiagramView(Session& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session), selection_tool_(session), zoom_tool_(session),
      level_tool_(session) {
    setObjectName(QStringLiteral("diagram"));
    // Moves without a button reach the editing tools: a wire being drawn follows the mouse.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

DiagramView::~DiagramView() {
    if (pick_loop_ != nullptr) pick_loop_->exit(1);
}

void DiagramView::set_mode(std::optional<CommandId> mode, int variant) {
    mode_ = mode;
    variant_ = variant;
}

SheetMouseHandler* DiagramView::handler() {
    // The editing tools, when set, select too: they also move, copy and resize by dragging.
    if (!mode_) return editing_ != nullptr ? editing_ : &selection_tool_;
    switch (*mode_) {
    case CommandId::ToolLevel:
        return &level_tool_;
    case CommandId::ToolZoom:
        return &zoom_tool_;
    default:
        return editing_;
    }
}

void DiagramView::sync() {
    update_scroll_bars();
    viewport()->update();
}

std::optional<zeph::Box> DiagramView::shown_area() const {
    std::optional<ShownDiagram> shown = shown_diagram(session_);
    if (!shown) return std::nullopt;
    return shown->area;
}

QTransform DiagramView::transform() const {
    std::optional<zeph::Box> area = shown_area();
    if (!area) return {};
    return fit_transform(*area, QRectF(viewport()->rect()));
}

Point DiagramView::to_sheet(const QPointF& pixel) const {
    QPointF p = transform().inverted().map(pixel);
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

QPointF DiagramView::to_pixel(Point sheet) const {
    return transform().map(QPointF(sheet.x, sheet.y));
}

void DiagramView::paint_diagram(QPainter& painter, const QRectF& target) const {
    std::optional<ShownDiagram> shown = shown_diagram(session_);
    if (!shown) {
        painter.fillRect(target, QColor(kNoDiagramGrey, kNoDiagramGrey, kNoDiagramGrey));
        return;
    }
    DrawingOptions options = session_drawing_options(session_);
    options.view = shown->area;
    PainterCanvas canvas(painter, target);
    if (shown->editor != nullptr) {
        options.selection = &shown->editor->selection();
        draw_block_diagram(shown->editor->architecture(), options, canvas);
    } else if (shown->process != nullptr) {
        draw_process_diagram(*shown->process, options, canvas);
    } else {
        draw_block_diagram(*shown->architecture, options, canvas);
    }
}

void DiagramView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    // The canvas leaves out what lies outside the exposed part.
    painter.setClipRect(event->rect());
    paint_diagram(painter, QRectF(viewport()->rect()));

    std::vector<std::pair<Point, Point>> lines;
    if (pick_loop_ != nullptr && pick_ == Pick::Rect && pick_from_)
        lines = rectangle_lines(*pick_from_, pick_to_);
    else if (SheetMouseHandler* h = handler())
        lines = h->overlay();
    if (lines.empty()) return;
    QPen pen(palette().color(QPalette::Highlight));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [a, b] : lines)
        painter.drawLine(to_pixel(a), to_pixel(b));
}

void DiagramView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    update_scroll_bars();
}

// The scroll bars count in sheet units: their value is the left (top) side of the view area,
// their range the sheet, widened to hold a view that lies beyond it.
void DiagramView::update_scroll_bars() {
    syncing_scroll_bars_ = true;
    std::optional<ShownDiagram> shown = shown_diagram(session_);
    if (!shown || shown->editor == nullptr) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        zeph::Box sheet = sheet_extent(shown->editor->sheet());
        const zeph::Box& a = shown->area;
        int width = a.x2 - a.x1;
        int height = a.y2 - a.y1;
        QScrollBar* h = horizontalScrollBar();
        h->setRange(std::min(sheet.x1, a.x1), std::max(sheet.x2 - width, a.x1));
        h->setPageStep(std::max(1, width));
        h->setSingleStep(std::max(1, width / kScrollSteps));
        h->setValue(a.x1);
        QScrollBar* v = verticalScrollBar();
        v->setRange(std::min(sheet.y1, a.y1), std::max(sheet.y2 - height, a.y1));
        v->setPageStep(std::max(1, height));
        v->setSingleStep(std::max(1, height / kScrollSteps));
        v->setValue(a.y1);
    }
    syncing_scroll_bars_ = false;
}

void DiagramView::scrollContentsBy(int, int) {
    if (syncing_scroll_bars_) return;
    DiagramEditor* editor = current_block_diagram_editor(session_);
    if (editor == nullptr) return;
    ViewArea& view = editor->view();
    int width = view.width();
    int height = view.height();
    view.area.x1 = horizontalScrollBar()->value();
    view.area.y1 = verticalScrollBar()->value();
    view.area.x2 = view.area.x1 + width;
    view.area.y2 = view.area.y1 + height;
    viewport()->update();
}

SheetMouse DiagramView::sheet_mouse(const QMouseEvent& event) const {
    return {to_sheet(event.position()), (event.modifiers() & Qt::ShiftModifier) != 0,
            (event.modifiers() & Qt::ControlModifier) != 0};
}

void DiagramView::after_gesture(bool taken) {
    if (!taken) return;
    if (changed_)
        changed_();
    else
        sync();
    viewport()->update();
}

void DiagramView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !shown_area()) return;
    SheetMouse mouse = sheet_mouse(*event);
    if (pick_loop_ != nullptr) {
        pick_from_ = mouse.at;
        pick_to_ = mouse.at;
        return;
    }
    SheetMouseHandler* h = handler();
    // A click that selects or edits ends the highlight of a net found by name.
    DiagramEditor* editor = current_block_diagram_editor(session_);
    if (h != nullptr && h != &zoom_tool_ && h != &level_tool_ && editor != nullptr &&
        clear_net_highlight(editor->diagram()))
        viewport()->update();
    after_gesture(h != nullptr && h->press(mouse));
}

void DiagramView::mouseMoveEvent(QMouseEvent* event) {
    if (!shown_area()) return;
    SheetMouse mouse = sheet_mouse(*event);
    if (!(event->buttons() & Qt::LeftButton)) {
        if (pick_loop_ == nullptr && editing_ != nullptr && handler() == editing_ &&
            editing_->drag(mouse))
            viewport()->update();
        return;
    }
    if (pick_loop_ != nullptr) {
        pick_to_ = mouse.at;
        viewport()->update();
        return;
    }
    SheetMouseHandler* h = handler();
    if (h != nullptr && h->drag(mouse)) viewport()->update();
}

void DiagramView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !shown_area()) return;
    SheetMouse mouse = sheet_mouse(*event);
    if (pick_loop_ != nullptr) {
        if (!pick_from_) pick_from_ = mouse.at;
        pick_to_ = mouse.at;
        end_pick(true);
        return;
    }
    SheetMouseHandler* h = handler();
    after_gesture(h != nullptr && h->release(mouse));
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !shown_area() || pick_loop_ != nullptr) return;
    SheetMouseHandler* h = handler();
    after_gesture(h != nullptr && h->double_click(sheet_mouse(*event)));
}

// Ctrl+wheel zooms; the plain wheel scrolls (Shift: sideways), as the scroll bars do.
void DiagramView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    DiagramEditor* editor = current_block_diagram_editor(session_);
    int notches = event->angleDelta().y() / kWheelNotch;
    if (editor == nullptr || notches == 0) return;
    for (int i = 0; i < std::abs(notches); ++i) {
        Outcome done = notches > 0 ? zoom_in(session_.platform(), editor->view())
                                   : zoom_out(session_.platform(), editor->view(), editor->sheet());
        if (done == Outcome::Refused) break;
    }
    event->accept();
    after_gesture(true);
}

void DiagramView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && pick_loop_ != nullptr) {
        end_pick(false);
        return;
    }
    if (event->key() == Qt::Key_Escape && editing_ != nullptr) {
        editing_->cancel();
        viewport()->update();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void DiagramView::end_pick(bool answered) {
    pick_answered_ = answered;
    if (pick_loop_ != nullptr) pick_loop_->quit();
    viewport()->update();
}

std::optional<ui::Point> DiagramView::pick_point(const std::string& prompt) {
    std::optional<ui::Rect> picked = pick(Pick::Point, prompt);
    if (!picked) return std::nullopt;
    return picked->to;
}

std::optional<ui::Rect> DiagramView::pick_rect(const std::string& prompt) {
    return pick(Pick::Rect, prompt);
}

// The answer is where the button is released; a rectangle runs from where it was pressed.
std::optional<ui::Rect> DiagramView::pick(Pick kind, const std::string& prompt) {
    if (pick_loop_ != nullptr || !isVisible() || !shown_area()) return std::nullopt;
    session_.platform().status(prompt, false);
    QEventLoop loop;
    pick_loop_ = &loop;
    pick_ = kind;
    pick_from_.reset();
    pick_answered_ = false;
    setFocus();
    // A view destroyed meanwhile ends the loop with 1 and must not be touched again.
    if (loop.exec() != 0) return std::nullopt;
    pick_loop_ = nullptr;
    pick_ = Pick::None;
    if (!pick_answered_ || !pick_from_) return std::nullopt;
    return ui::Rect{{pick_from_->x, pick_from_->y}, {pick_to_.x, pick_to_.y}};
}

} // namespace zeph
