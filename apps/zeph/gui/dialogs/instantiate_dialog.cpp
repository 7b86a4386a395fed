// The instantiate dialog: its lists are the design's entities (the top level cannot be placed)
// and the architectures of the entity chosen; the core's instantiate refuses an empty choice
// and a recursive one, keeping the dialog open.
#include "dialogs/instantiate_dialog.h"

#include "dialogs/form_dialog.h"

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/instantiate.h"
#include "foundation/kind_vocabulary.h"
#include "shell/session.h"

#include <QListWidget>

namespace zeph {

namespace {

std::vector<Entity*> placeable_entities(Design& design) {
    std::vector<Entity*> entities;
    for (auto& entity : design.entities)
        if (entity.get() != design.root) entities.push_back(entity.get());
    return entities;
}

std::optional<std::size_t> chosen_row(const QListWidget& list, std::size_t count) {
    const QList<QListWidgetItem*> chosen = list.selectedItems();
    if (chosen.isEmpty()) return std::nullopt;
    int row = list.row(chosen.front());
    if (row < 0 || static_cast<std::size_t>(row) >= count) return std::nullopt;
    return static_cast<std::size_t>(row);
}

} // namespace

DialogOutcome run_instantiate_dialog(QWidget* parent, Session& session, DiagramEditor& editor) {
    std::optional<ui::Point> at = session.platform().pick_point("Select a position.");
    if (!at) return DialogOutcome::Cancelled;
    const int language = session.language();
    const std::vector<Entity*> entities = placeable_entities(editor.design());
    FormDialog dialog(parent, kInstantiateTitle);
    auto* entity_list = new QListWidget(&dialog);
    auto* architecture_list = new QListWidget(&dialog);
    for (const Entity* entity : entities)
        entity_list->addItem(QString::fromStdString(entity->name));
    dialog.add_row(kind_name(language, kKindEntity, kKindCapital, 2) + ":", entity_list);
    dialog.add_row(kind_name(language, kKindArchitecture, kKindCapital, 2) + ":",
                   architecture_list);
    // Choosing an entity offers its architectures, its first one chosen.
    QObject::connect(entity_list, &QListWidget::itemSelectionChanged, &dialog, [&] {
        architecture_list->clear();
        std::optional<std::size_t> row = chosen_row(*entity_list, entities.size());
        if (!row) return;
        for (auto& architecture : entities[*row]->architectures)
            architecture_list->addItem(QString::fromStdString(architecture->name));
        if (architecture_list->count() > 0) architecture_list->setCurrentRow(0);
    });
    dialog.set_check([&]() -> std::optional<int> {
        Entity* entity = nullptr;
        Architecture* architecture = nullptr;
        if (std::optional<std::size_t> row = chosen_row(*entity_list, entities.size())) {
            entity = entities[*row];
            if (std::optional<std::size_t> chosen =
                    chosen_row(*architecture_list, entity->architectures.size()))
                architecture = entity->architectures[*chosen].get();
        }
        if (instantiate(editor, {at->x, at->y}, entity, architecture) == Outcome::Refused) return 0;
        return std::nullopt;
    });
    return dialog.run();
}

} // namespace zeph
