// The level jump dialog: a list of the levels in the order the hierarchy gives them.
#include "dialogs/level_jump_dialog.h"

#include "dialogs/form_dialog.h"

#include "blockdiagram/design_levels.h"
#include "shell/level_navigation.h"
#include "shell/session.h"

#include <QListWidget>
#include <QPushButton>

namespace zeph {

DialogOutcome run_level_jump_dialog(QWidget* parent, Session& session) {
    Design* design = session.design();
    if (design == nullptr) return DialogOutcome::NoDialog;
    const std::vector<Level> levels = design_levels(*design);
    const std::optional<Level> current = current_level(session);
    FormDialog dialog(parent, kLevelJumpTitle);
    auto* list = new QListWidget(&dialog);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        list->addItem(QString::fromStdString(level_text(levels[i])));
        if (current && levels[i] == *current) list->setCurrentRow(static_cast<int>(i));
    }
    if (list->currentRow() < 0 && !levels.empty()) list->setCurrentRow(0);
    dialog.add_row("Levels:", list);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog,
                     [&dialog] { dialog.ok_button()->click(); });
    std::optional<Level> chosen;
    dialog.set_check([&]() -> std::optional<int> {
        int row = list->currentRow();
        if (row < 0 || static_cast<std::size_t>(row) >= levels.size()) return 0;
        chosen = levels[static_cast<std::size_t>(row)];
        return std::nullopt;
    });
    DialogOutcome outcome = dialog.run();
    if (outcome == DialogOutcome::Accepted && chosen) make_current(session, *chosen);
    return outcome;
}

} // namespace zeph
