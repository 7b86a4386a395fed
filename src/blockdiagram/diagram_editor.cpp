// The diagram editor: current diagram, selection, views and undo.
#include "blockdiagram/diagram_editor.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/undo_captures.h"
#include "blockdiagram/view_highlight.h"
#include "hdl/hdl_file_marks.h"
#include "hdl/identifier_rules.h"

#include <set>

namespace zeph {

namespace {
// The HDL files whose system lines show what the step changed (or changed back).
void mark_skeletons(const UndoStep& step) {
    for (Entity* entity : step.interfaces_changed())
        mark_after_interface_change(*entity);
    for (Process* process : step.headings_changed())
        mark_after_process_change(*process);
}

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
    if (&architecture != architecture_) end_net_highlight();
    design_ = &design;
    architecture_ = &architecture;
    selection_.clear();
    design.current_entity = architecture.entity;
    design.current_architecture = &architecture;
    design.current_process = nullptr;
    return true;
}

void DiagramEditor::leave() {
    end_net_highlight();
    architecture_ = nullptr;
    selection_.clear();
}

void DiagramEditor::reset() {
    design_ = nullptr;
    architecture_ = nullptr;
    selection_.clear();
    views_.clear();
    names_.clear();
    histories_.clear();
}

NameIndex& DiagramEditor::entity_names() {
    int rules = name_rules();
    auto found = names_.find({&design_->entities, rules});
    if (found == names_.end())
        found = names_
                    .emplace(std::make_pair(&design_->entities, rules),
                             NameIndex::of(design_->entities, rules))
                    .first;
    return found->second;
}

NameIndex& DiagramEditor::component_names() {
    int rules = name_rules();
    const auto& components = diagram().components;
    auto found = names_.find({&components, rules});
    if (found == names_.end())
        found = names_.emplace(std::make_pair(&components, rules), NameIndex::of(components, rules))
                    .first;
    return found->second;
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
    names_.clear();
    step->undo();
    relink_design(*design_);
    // A shared step may have taken back an entity it created; its records die with the step,
    // and so must the histories that point into its diagrams.
    mark_skeletons(*step);
    bool shared = step->shared();
    step.reset();
    if (shared) forget_freed_diagrams();
    changed();
    return Outcome::Done;
}

void DiagramEditor::hierarchy_changed() {
    if (design_ == nullptr) return;
    histories_.clear();
    names_.clear();
    selection_.clear();
    bool current_alive = false;
    for_each_block_diagram(*design_, [&](Architecture& architecture) {
        if (&architecture == architecture_) current_alive = true;
    });
    if (!current_alive) architecture_ = nullptr;
    forget_freed_diagrams();
    relink_design(*design_);
    changed();
}

void DiagramEditor::forget_freed_diagrams() {
    std::set<const Architecture*> alive;
    for_each_block_diagram(*design_,
                           [&](Architecture& architecture) { alive.insert(&architecture); });
    histories_.retain([&](const DiagramKey& key) { return alive.contains(key.architecture); });
    std::erase_if(views_,
                  [&](const auto& entry) { return !alive.contains(entry.first.architecture); });
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
    // Relinking walks every diagram, so an edit that only added records (drawing a component
    // of a new entity) must not pay for it, or drawing by script grows quadratic.
    if (step->relinking())
        relink_design(*design_);
    else
        for (auto& net : diagram().nets) {
            net->connections.reset();
            net->bit_connections.clear();
        }
    mark_skeletons(*step);
    if (step->names_changing()) names_.clear();
    histories_.commit(key(), std::move(step), settings_.max_undos);
    changed();
}

// A net found by name stays highlighted while its diagram is on view and unchanged: an edit,
// an undo, a new selection or moving to another diagram ends it.
void DiagramEditor::end_net_highlight() {
    if (is_open() && architecture_->block_diagram != nullptr) clear_net_highlight(diagram());
}

void DiagramEditor::changed() {
    ++changes_;
    end_net_highlight();
    if (listener_) listener_();
}

Edit::Edit(DiagramEditor& editor, std::string description)
    : editor_(editor), step_(std::make_unique<UndoStep>(std::move(description))) {}

Edit::~Edit() {
    if (step_ == nullptr) return;
    editor_.names_.clear();
    step_->undo();
    if (editor_.is_open()) relink_design(editor_.design());
}

Outcome Edit::finish(Outcome outcome) {
    if (step_ == nullptr) return outcome;
    if (outcome == Outcome::Done) {
        editor_.commit(std::move(step_));
    } else {
        editor_.names_.clear();
        step_->undo();
        step_.reset();
        relink_design(editor_.design());
    }
    return outcome;
}

} // namespace zeph
