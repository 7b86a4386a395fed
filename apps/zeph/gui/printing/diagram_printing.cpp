// The current diagram on a printer's page.
#include "printing/diagram_printing.h"

#include "painter_canvas.h"
#include "shell/drawing_options.h"

#include "blockdiagram/design_levels.h"
#include "design/architecture.h"
#include "drawing/diagram_renderer.h"
#include "shell/level_navigation.h"
#include "shell/machine_settings.h"
#include "shell/session.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <optional>

namespace zeph {

namespace {

// The diagram shown now: nullopt when the design has none (an HDL file is shown, or nothing).
std::optional<Level> printable_level(Session& session) {
    if (session.design() == nullptr) return std::nullopt;
    std::optional<Level> level = current_level(session);
    if (!level || level->architecture == nullptr) return std::nullopt;
    if (level->process != nullptr) return level;
    if (level->architecture->block_diagram == nullptr &&
        level->architecture->state_machine == nullptr)
        return std::nullopt;
    return level;
}

std::string document_name(const Level& level) {
    std::string name = level.entity != nullptr ? level.entity->name : std::string();
    if (level.architecture != nullptr) name += " " + level.architecture->name;
    if (level.process != nullptr) name += " " + level.process->name;
    return name;
}

} // namespace

bool print_diagram(QPrinter& printer, Session& session) {
    std::optional<Level> level = printable_level(session);
    if (!level) return false;
    printer.setDocName(QString::fromStdString(document_name(*level)));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PainterCanvas canvas(painter, page);
    const DrawingOptions options = session_drawing_options(session);
    if (level->process != nullptr)
        draw_process_diagram(*level->process, options, canvas);
    else
        draw_block_diagram(*level->architecture, options, canvas);
    return painter.end();
}

DialogOutcome print_current_diagram(QWidget* parent, Session& session) {
    if (!printable_level(session)) return DialogOutcome::NoDialog;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print");
    if (dialog.exec() != QDialog::Accepted) return DialogOutcome::Cancelled;
    if (!print_diagram(printer, session)) {
        session.platform().message_box("Print", "The diagram could not be printed.");
        return DialogOutcome::Cancelled;
    }
    return DialogOutcome::Accepted;
}

} // namespace zeph
