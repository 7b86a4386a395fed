// The labels dialog.
#include "statemachine/label_list_dialog.h"

#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"
#include "statemachine/transition_edits.h"

#include <algorithm>

namespace zeph {

namespace {

using Labels = std::vector<std::unique_ptr<Label>>;

bool is_yes(ui::Answer answer) {
    return answer == ui::Answer::Yes;
}

std::optional<std::size_t> index_of(const std::vector<LabelEntry>& entries, const Label* label) {
    if (label == nullptr) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].label == label && !entries[i].deleted) return i;
    return std::nullopt;
}

bool entry_changed(const LabelEntry& entry) {
    const Label* label = entry.label;
    return label == nullptr || entry.deleted || entry.name != label->name ||
           entry.vhdl_text != label->vhdl_text || entry.verilog_text != label->verilog_text ||
           entry.flags != label->flags;
}

} // namespace

LabelListDialog::LabelListDialog(StateMachine& machine, const MachineContext& context,
                                 LabelDialogPurpose purpose, LabelDialogTarget target)
    : machine_(machine), context_(context), purpose_(purpose), target_(target),
      verilog_view_(context.verilog()) {
    for (const auto& label : actions() ? machine.action_labels : machine.condition_labels)
        entries_.push_back({label.get(), label->name, label->vhdl_text, label->verilog_text,
                            label->flags, label->use_count, false});
    if (purpose == LabelDialogPurpose::EditUsage && target.usage != nullptr)
        selected_ = index_of(entries_, target.usage->label);
    if (purpose == LabelDialogPurpose::EditTransition && target.transition != nullptr) {
        selected_ = index_of(entries_, target.transition->condition.label);
        asynchronous = target.transition->reset;
        priority = target.transition->priority;
    }
}

bool LabelListDialog::actions() const {
    return purpose_ != LabelDialogPurpose::ConditionLabels &&
           purpose_ != LabelDialogPurpose::EditTransition;
}

std::string& LabelListDialog::text_of(LabelEntry& entry) {
    return verilog_view_ ? entry.verilog_text : entry.vhdl_text;
}

std::optional<std::size_t> LabelListDialog::find(const std::string& name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!entries_[i].deleted && entries_[i].name == name) return i;
    return std::nullopt;
}

Outcome LabelListDialog::select(std::optional<std::size_t> index) {
    if (index && (*index >= entries_.size() || entries_[*index].deleted)) return Outcome::Unchanged;
    bool usage_dialog =
        purpose_ == LabelDialogPurpose::AddUsage || purpose_ == LabelDialogPurpose::EditUsage;
    if (index && usage_dialog) {
        unsigned flags = entries_[*index].flags;
        const char* where = (flags & kDefaultOnStates) != 0        ? "states"
                            : (flags & kDefaultOnTransitions) != 0 ? "transitions"
                                                                   : nullptr;
        if (where != nullptr)
            return refuse_edit(context_.platform,
                               format_text(machine_text::kSelectedIsDefault, where));
    }
    selected_ = index;
    return Outcome::Done;
}

std::string LabelListDialog::ask_label_name(const std::string& proposal,
                                            const std::optional<std::string>& given,
                                            std::optional<std::size_t> renamed, bool& cancelled) {
    cancelled = false;
    std::string prompt =
        format_text(machine_text::kStatePrompt,
                    kind_name(context_.design.target_language, kKindLabel, 0, 1).c_str());
    for (;;) {
        std::optional<std::string> answer =
            given ? given : context_.platform.prompt_text(prompt, proposal, kMaxLabelName);
        if (!answer || answer->empty()) {
            cancelled = true;
            return {};
        }
        std::string name = bounded(*answer, kMaxLabelName);
        std::optional<std::size_t> same = find(name);
        if (!same || same == renamed) return name;
        refuse_duplicate(context_.platform, kKindLabel);
        if (given) {
            cancelled = true;
            return {};
        }
    }
}

Outcome LabelListDialog::press_new(const std::optional<std::string>& given) {
    bool cancelled = false;
    std::string name = ask_label_name("", given, std::nullopt, cancelled);
    if (cancelled) return given ? Outcome::Refused : Outcome::Cancelled;
    if (selected_ && entries_[*selected_].name.empty() &&
        is_yes(context_.platform.ask_yes_no(program_name(), machine_text::kAddNameToText))) {
        entries_[*selected_].name = name;
        return Outcome::Done;
    }
    entries_.push_back({nullptr, name, "", "", 0, 0, false});
    selected_ = entries_.size() - 1;
    return Outcome::Done;
}

Outcome LabelListDialog::press_edit(const std::optional<std::string>& given) {
    if (!selected_) return Outcome::Unchanged;
    bool cancelled = false;
    std::string name = ask_label_name(entries_[*selected_].name, given, selected_, cancelled);
    if (cancelled) return given ? Outcome::Refused : Outcome::Cancelled;
    if (name == entries_[*selected_].name) return Outcome::Unchanged;
    entries_[*selected_].name = name;
    return Outcome::Done;
}

Outcome LabelListDialog::press_delete() {
    if (!selected_) return Outcome::Unchanged;
    LabelEntry& entry = entries_[*selected_];
    ui::Platform& platform = context_.platform;
    const std::string& title = program_name();
    if (entry.uses > 0 && !is_yes(platform.ask_yes_no(title, machine_text::kStillInUse)))
        return Outcome::Cancelled;
    if ((entry.flags & kDefaultOnTransitions) != 0 &&
        !is_yes(platform.ask_yes_no(title, machine_text::kDefaultOnTransitions)))
        return Outcome::Cancelled;
    if ((entry.flags & kDefaultOnStates) != 0 &&
        !is_yes(platform.ask_yes_no(title, machine_text::kDefaultOnStates)))
        return Outcome::Cancelled;
    entry.deleted = true;
    selected_.reset();
    return Outcome::Done;
}

Outcome LabelListDialog::set_text(const std::string& text) {
    bool wrapped = false;
    std::string stored = wrap_long_lines(text, wrapped);
    if (!selected_) {
        if (text.empty()) return Outcome::Unchanged;
        if (is_yes(context_.platform.ask_yes_no(program_name(), machine_text::kTextWithoutLabel)))
            return Outcome::Cancelled;
        entries_.push_back({nullptr, "", "", "", 0, 0, false});
        selected_ = entries_.size() - 1;
    }
    std::string& current = text_of(entries_[*selected_]);
    if (current == stored) return Outcome::Unchanged;
    current = stored;
    if (wrapped) context_.platform.message_box(program_name(), machine_text::kLinesWrapped);
    return Outcome::Done;
}

Outcome LabelListDialog::set_defaults(bool on_states, bool on_transitions) {
    if (!selected_ || !actions() || machine_.style != kStyleExplicit) return Outcome::Unchanged;
    unsigned flags = entries_[*selected_].flags & ~(kDefaultOnStates | kDefaultOnTransitions);
    if (on_states) flags |= kDefaultOnStates;
    if (on_transitions) flags |= kDefaultOnTransitions;
    if (flags == entries_[*selected_].flags) return Outcome::Unchanged;
    entries_[*selected_].flags = flags;
    return Outcome::Done;
}

Outcome LabelListDialog::check_usage() const {
    if (!selected_ || entries_[*selected_].label == nullptr) return Outcome::Done;
    const Label* wanted = entries_[*selected_].label;
    auto holds = [&](const std::vector<std::unique_ptr<LabelUsage>>& usages) {
        return std::any_of(usages.begin(), usages.end(), [&](const auto& usage) {
            return usage.get() != target_.usage && usage->label == wanted;
        });
    };
    if (target_.state != nullptr && holds(target_.state->action_usages))
        return refuse_edit(context_.platform, machine_text::kUsedByState);
    if (target_.transition != nullptr && holds(target_.transition->action_usages))
        return refuse_edit(context_.platform, machine_text::kUsedByTransition);
    return Outcome::Done;
}

void LabelListDialog::store_list() {
    Labels& labels = actions() ? machine_.action_labels : machine_.condition_labels;
    for (LabelEntry& entry : entries_) {
        if (entry.deleted) continue;
        if (entry.label == nullptr) {
            labels.push_back(std::make_unique<Label>());
            entry.label = labels.back().get();
        }
        entry.label->name = entry.name;
        entry.label->vhdl_text = entry.vhdl_text;
        entry.label->verilog_text = entry.verilog_text;
        entry.label->flags = entry.flags;
    }
}

void LabelListDialog::apply_usage() {
    Label* label = selected_ ? entries_[*selected_].label : nullptr;
    if (label == nullptr || (target_.state == nullptr && target_.transition == nullptr)) return;
    if (purpose_ == LabelDialogPurpose::EditUsage && target_.usage != nullptr) {
        use_label(*target_.usage, label);
        return;
    }
    auto& usages =
        target_.state != nullptr ? target_.state->action_usages : target_.transition->action_usages;
    int k = static_cast<int>(usages.size());
    Point at = target_.state != nullptr ? state_action_place(target_.state->box, k)
                                        : transition_action_place(target_.transition->points, k);
    // Below a state centred under it; beside a transition as its condition is.
    int alignment = target_.state != nullptr ? kAlignCentred : kAlignPlain;
    auto usage = new_usage(label, at, styled_label(context_.settings.actions, at, alignment));
    usage->order = k;
    usage->state = target_.state;
    usage->transition = target_.transition;
    usages.push_back(std::move(usage));
}

DialogResult<LabelDialogField> LabelListDialog::confirm() {
    using Result = DialogResult<LabelDialogField>;
    bool usage_dialog =
        purpose_ == LabelDialogPurpose::AddUsage || purpose_ == LabelDialogPurpose::EditUsage;
    bool editing_transition =
        purpose_ == LabelDialogPurpose::EditTransition && target_.transition != nullptr;
    if (usage_dialog && check_usage() != Outcome::Done)
        return Result{Outcome::Refused, LabelDialogField::List};
    if (editing_transition) {
        const std::string* condition = nullptr;
        if (selected_) {
            const LabelEntry& entry = entries_[*selected_];
            condition = context_.verilog() ? &entry.verilog_text : &entry.vhdl_text;
        }
        auto checked = check_transition(machine_, context_, *target_.transition, asynchronous,
                                        condition, priority);
        if (checked.outcome != Outcome::Done)
            return Result{Outcome::Refused, checked.field == TransitionField::Priority
                                                ? LabelDialogField::Priority
                                            : checked.field == TransitionField::Condition
                                                ? LabelDialogField::Condition
                                                : LabelDialogField::Asynchronous};
    }

    bool changed = std::any_of(entries_.begin(), entries_.end(), entry_changed);
    store_list();
    if (usage_dialog && selected_ && entries_[*selected_].label != nullptr &&
        (target_.usage == nullptr || target_.usage->label != entries_[*selected_].label)) {
        apply_usage();
        changed = true;
    }
    if (editing_transition) {
        TransitionFields fields{selected_ ? entries_[*selected_].label : nullptr, asynchronous,
                                priority};
        if (edit_transition(machine_, context_, *target_.transition, fields).outcome ==
            Outcome::Done)
            changed = true;
    }

    // Deleted labels go with every use, the rest keep the dialog's order.
    Labels& labels = actions() ? machine_.action_labels : machine_.condition_labels;
    Labels ordered;
    for (LabelEntry& entry : entries_) {
        if (entry.label == nullptr) continue;
        auto owned = std::find_if(labels.begin(), labels.end(),
                                  [&](const auto& label) { return label.get() == entry.label; });
        if (owned == labels.end()) continue;
        if (entry.deleted) {
            remove_usages_of(machine_, entry.label);
            labels.erase(owned);
            entry.label = nullptr;
            continue;
        }
        ordered.push_back(std::move(*owned));
        labels.erase(owned);
    }
    labels = std::move(ordered);
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->number = static_cast<int>(i) + 1;
    refresh_machine_labels(machine_, context_.verilog());
    return Result{changed ? Outcome::Done : Outcome::Unchanged, LabelDialogField::None};
}

} // namespace zeph
