// The diagram editor: current diagram, selection, views and undo.
#include "blockdiagram/diagram_editor.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/undo_captures.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
bool architecture_of(Design& design, const Architecture& wanted) {
    bool found = false;
    for_each_block_diagram(design, [&](Architecture& architecture) {
        if (&architecture == &wanted) found = true;
    });
    return found;
}
} // namespace

bool DiagramEditor::open(Design& design, Architecture& architecture) {
    if (architecture.block_diagram == nullptr || architecture.entity == nullptr ||
        !architecture_of(design, architecture))
        return false;
    if (design_ != &design) reset();
    design_ = &design;
    architecture_ = &architecture;
    selection_.clear();
    design.current_entity = architecture.entity;
    design.current_architecture = &architecture;
    design.current_process = nullptr;
    return true;
}

void DiagramEditor::leave() {
    architecture_ = nullptr;
    selection_.clear();
}

void DiagramEditor::reset() {
    design_ = nullptr;
    architecture_ = nullptr;
    selection_.clear();
    views_.clear();
    histories_.clear();
}

ViewArea& DiagramEditor::view() {
    auto it = views_.find(key());
    if (it == views_.end()) it = views_.emplace(key(), overview(sheet())).first;
    return it->second;
}

int DiagramEditor::name_rules() const {
    int rules = design_ != nullptr ? design_->language_checking : kRulesVhdl;
    return rules != 0 ? rules : kRulesVhdl;
}

NetRules DiagramEditor::net_rules() const {
    return zeph::net_rules(*design_, settings_.disable_type_checks);
}

Outcome DiagramEditor::undo() {
    std::unique_ptr<UndoStep> step = is_open() ? histories_.of(key()).pop() : nullptr;
    if (step == nullptr) return refuse(platform_, kNoUndo);
    selection_.clear();
    step->undo();
    relink_design(*design_);
    changed();
    return Outcome::Done;
}

bool DiagramEditor::can_undo() const {
    if (!is_open()) return false;
    const UndoHistory* history = histories_.find(key());
    return history != nullptr && !history->empty();
}

std::string DiagramEditor::undo_text() const {
    return can_undo() ? kUndoTip : kNoUndo;
}

std::size_t DiagramEditor::undo_depth() const {
    const UndoHistory* history = is_open() ? histories_.find(key()) : nullptr;
    return history != nullptr ? history->depth() : 0;
}

void DiagramEditor::commit(std::unique_ptr<UndoStep> step) {
    // The attachments of the last verification may point at records this edit removed.
    if (step->shared())
        relink_design(*design_);
    else
        for (auto& net : diagram().nets) {
            net->connections.reset();
            net->bit_connections.clear();
        }
    histories_.commit(key(), std::move(step), settings_.max_undos);
    changed();
}

void DiagramEditor::changed() {
    ++changes_;
    if (listener_) listener_();
}

Edit::Edit(DiagramEditor& editor, std::string description)
    : editor_(editor), step_(std::make_unique<UndoStep>(std::move(description))) {}

Edit::~Edit() {
    if (step_ == nullptr) return;
    step_->undo();
    if (editor_.is_open()) relink_design(editor_.design());
}

Outcome Edit::finish(Outcome outcome) {
    if (step_ == nullptr) return outcome;
    if (outcome == Outcome::Done) {
        editor_.commit(std::move(step_));
    } else {
        step_->undo();
        step_.reset();
        relink_design(editor_.design());
    }
    return outcome;
}

} // namespace zeph
