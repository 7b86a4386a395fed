// The diagram editor: which diagram is being edited (entity, architecture and, later, process),
// the selection, the visible area and the undo histories, with what editing needs besides:
// the platform it asks and reports through, the diagram settings and the record defaults.
// Every editing operation goes through an Edit of this editor, which records what the
// operation changes so that "Undo (Ctrl-Z)" can restore it; the session owns one editor, and
// the shell's commands and a graphical front end drive it the same way.
#pragma once

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_object.h"
#include "blockdiagram/diagram_settings.h"
#include "blockdiagram/edit_outcome.h"
#include "blockdiagram/name_index.h"
#include "blockdiagram/net_rules.h"
#include "blockdiagram/undo_history.h"
#include "blockdiagram/view_area.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_defaults.h"
#include "ui/platform.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace zeph {

class DiagramEditor {
  public:
    DiagramEditor(ui::Platform& platform, DiagramSettings& settings, DesignDefaults& defaults)
        : platform_(platform), settings_(settings), defaults_(defaults) {}
    DiagramEditor(const DiagramEditor&) = delete;
    DiagramEditor& operator=(const DiagramEditor&) = delete;

    ui::Platform& platform() const { return platform_; }
    DiagramSettings& settings() const { return settings_; }
    DesignDefaults& defaults() const { return defaults_; }
    DiagramLabelStyle label_style() const { return {defaults_, settings_}; }
    // The design's target language: the column of the object-kind words.
    int language() const { return design_ != nullptr ? design_->target_language : 1; }

    // Makes the block diagram of the architecture the current diagram of the design.
    // Refused (false) when the architecture is not a block diagram of an entity of the design.
    bool open(Design& design, Architecture& architecture);
    // Forgets the diagram and every history (the design is being replaced or closed).
    void reset();
    // Another kind of diagram (a state diagram, an HDL file) became current: no block diagram
    // is edited now; the histories and views stay for when one is opened again.
    void leave();

    bool is_open() const { return architecture_ != nullptr; }
    Design& design() const { return *design_; }
    Entity& entity() const { return *architecture_->entity; }
    Architecture& architecture() const { return *architecture_; }
    BlockDiagram& diagram() const { return *architecture_->block_diagram; }
    Sheet& sheet() const { return architecture_->sheet; }
    DiagramKey key() const { return {architecture_, nullptr}; }

    ViewArea& view();
    Selection& selection() { return selection_; }
    const Selection& selection() const { return selection_; }

    // The design's name rule and the net code's rules under the current settings.
    int name_rules() const;
    NetRules net_rules() const;

    // The names of the design's entities and of the current diagram's components, as sets
    // that operations adding such records keep up to date (they insert the names they add).
    // Built when first asked for, and forgotten whenever an edit may have renamed or removed
    // records, and at every undo.
    NameIndex& entity_names();
    NameIndex& component_names();

    // Undoes the newest step of the current diagram; "No undo" in the status line when there
    // is none.
    Outcome undo();
    bool can_undo() const;
    // The undo tool's text: "Undo (Ctrl-Z)", or "No undo" when there is nothing to undo.
    std::string undo_text() const;
    std::size_t undo_depth() const;
    // The project was saved: every history is emptied.
    void design_saved() { histories_.clear(); }
    // Entities or architectures were added, removed, renamed or rebound outside an Edit (the
    // hierarchy operations, which are not undoable): every history is emptied, the name sets
    // are rebuilt, and a current diagram that is gone is left.
    void hierarchy_changed();
    // A diagram is going away (its architecture is deleted elsewhere).
    void forget_diagram(DiagramKey key) { histories_.forget(key); }

    // Every committed edit and every undo counts as a change of the design; the listener (the
    // project's modified state) hears of each.
    unsigned long changes() const { return changes_; }
    void set_change_listener(std::function<void()> listener) { listener_ = std::move(listener); }

  private:
    friend class Edit;
    void commit(std::unique_ptr<UndoStep> step);
    // Drops the histories and views of diagrams that are no longer part of the design.
    void forget_freed_diagrams();
    void changed();
    void end_net_highlight();

    ui::Platform& platform_;
    DiagramSettings& settings_;
    DesignDefaults& defaults_;
    Design* design_ = nullptr;
    Architecture* architecture_ = nullptr;
    Selection selection_;
    std::map<DiagramKey, ViewArea> views_;
    std::map<std::pair<const void*, int>, NameIndex> names_; // by owner and name rule
    DiagramHistories histories_;
    unsigned long changes_ = 0;
    std::function<void()> listener_;
};

// One editing operation. Its step records the snapshots the operation takes; `done` puts the
// step on the diagram's history. An Edit that ends without `done` (a refusal after some
// change, an unanswered question, an exception) restores what it had changed.
class Edit {
  public:
    Edit(DiagramEditor& editor, std::string description);
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    UndoStep& step() { return *step_; }
    DiagramEditor& editor() { return editor_; }
    // Finishes the operation with its outcome: Done commits the step, anything else rolls
    // it back. Returns the outcome.
    Outcome finish(Outcome outcome);

  private:
    DiagramEditor& editor_;
    std::unique_ptr<UndoStep> step_;
};

} // namespace zeph
