// The logic of the one dialog that serves "Action Labels", "Condition Labels", "Add Usage of
// Action", "Edit Usage of Action" and "Edit Transition": a list of labels that can be added
// to, renamed, deleted and given texts per language and, for the actions of an explicit
// machine, made default on states or transitions; the usage dialogs pick a label for a state
// or a transition, "Edit Transition" picks the condition and sets "As&ynchronous" and
// "&Priority:".
//
// The dialog works on a copy of the list: the machine changes only when OK is accepted, and a
// refused OK keeps the dialog open with everything as it was.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "statemachine/machine_context.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph {

enum class LabelDialogPurpose {
    ActionLabels,
    ConditionLabels,
    AddUsage,
    EditUsage,
    EditTransition
};

// What a usage dialog or "Edit Transition" works on: the state or transition, and for "Edit
// Usage of Action" the usage.
struct LabelDialogTarget {
    State* state = nullptr;
    Transition* transition = nullptr;
    LabelUsage* usage = nullptr;
};

struct LabelEntry {
    Label* label = nullptr; // the machine's label; none for one made in this dialog
    std::string name;
    std::string vhdl_text;
    std::string verilog_text;
    unsigned flags = 0;
    int uses = 0;
    bool deleted = false; // deleted in this dialog, gone on OK
};

enum class LabelDialogField { None, List, Asynchronous, Condition, Priority };

class LabelListDialog {
  public:
    LabelListDialog(StateMachine& machine, const MachineContext& context,
                    LabelDialogPurpose purpose, LabelDialogTarget target = {});

    // Every entry, the deleted ones included (a front end shows the others).
    const std::vector<LabelEntry>& entries() const { return entries_; }
    std::optional<std::size_t> selected() const { return selected_; }
    // The entry of that name that is not deleted.
    std::optional<std::size_t> find(const std::string& name) const;

    // Selects an entry (none: no label, an empty condition). A usage dialog refuses an action
    // that is default on states or transitions ("Selected label is default on %s.").
    Outcome select(std::optional<std::size_t> index);
    // "&View Vhdl" / "&View Verilog": the language whose text the dialog shows and edits.
    void view(bool verilog) { verilog_view_ = verilog; }
    bool viewing_verilog() const { return verilog_view_; }

    // "&New": "Enter label name:", asked again after a name in the list (message 48 with
    // "label"); an empty answer cancels. When the selected entry has no name yet, "Add this
    // name to existing text?" gives it the name instead. The new entry is selected.
    Outcome press_new(const std::optional<std::string>& given = std::nullopt);
    // "&Edit": a new name for the selected entry, under the same rules.
    Outcome press_edit(const std::optional<std::string>& given = std::nullopt);
    // "&Delete": asks "This label is still in use.\nDelete all uses?" when used, then "This
    // label is default on transitions.\nDelete?" and "This label is default on
    // states.\nDelete?" as they apply; No to any keeps it.
    Outcome press_delete();
    // The text of the viewed language for the selected entry, lines longer than 256 characters
    // wrapped ("Line(s) wrapped."). Without a selection "No label defined for current text.
    // Delete text?": Yes drops the text, No keeps it in a new entry without a name.
    Outcome set_text(const std::string& text);
    // " Default on: " "&States" and "&Transitions" (actions of explicit machines only).
    Outcome set_defaults(bool on_states, bool on_transitions);

    // "Edit Transition" only.
    bool asynchronous = false;
    int priority = 0;

    // OK: for a usage dialog "Action already used by this state." (or "... transition.") when
    // the owner has that action already; for "Edit Transition" the transition's checks. Then
    // the list is stored (deleted labels lose every usage) and the usage or the transition
    // changes.
    DialogResult<LabelDialogField> confirm();

  private:
    bool actions() const;
    std::string ask_label_name(const std::string& proposal, const std::optional<std::string>& given,
                               std::optional<std::size_t> renamed, bool& cancelled);
    std::string& text_of(LabelEntry& entry);
    Outcome check_usage() const;
    void store_list();
    void apply_usage();

    StateMachine& machine_;
    MachineContext context_; // references only: a copy outlives a temporary
    LabelDialogPurpose purpose_;
    LabelDialogTarget target_;
    std::vector<LabelEntry> entries_;
    std::optional<std::size_t> selected_;
    bool verilog_view_ = false;
};

} // namespace zeph
