// Snapshot undo of state machine edits.
#include "statemachine/machine_history.h"

#include "statemachine/machine_copy.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr int kMinDepth = 1;
constexpr int kMaxDepth = 50;

// Moves the content of `from` into `machine`, keeping the machine's included texts.
void put_back(StateMachine& machine, StateMachine&& from) {
    std::string comment = std::move(machine.process_comment);
    std::string declarations = std::move(machine.process_declarations);
    machine = std::move(from);
    machine.process_comment = std::move(comment);
    machine.process_declarations = std::move(declarations);
}
} // namespace

void MachineHistories::push(const StateMachine& machine, std::string description,
                            std::unique_ptr<StateMachine> before, int max_depth, Sheet* sheet,
                            std::vector<LabelDisplay> texts_before) {
    std::deque<Step>& steps = histories_[&machine];
    steps.push_back({std::move(description), std::move(before), sheet, std::move(texts_before)});
    auto limit = static_cast<std::size_t>(std::clamp(max_depth, kMinDepth, kMaxDepth));
    while (steps.size() > limit)
        steps.pop_front();
}

bool MachineHistories::undo(StateMachine& machine, Sheet* sheet) {
    auto found = histories_.find(&machine);
    if (found == histories_.end() || found->second.empty()) return false;
    Step step = std::move(found->second.back());
    found->second.pop_back();
    put_back(machine, std::move(*step.before));
    if (step.sheet != nullptr && step.sheet == sheet) sheet->texts = std::move(step.texts_before);
    return true;
}

std::size_t MachineHistories::depth(const StateMachine& machine) const {
    auto found = histories_.find(&machine);
    return found != histories_.end() ? found->second.size() : 0;
}

std::string MachineHistories::newest(const StateMachine& machine) const {
    auto found = histories_.find(&machine);
    if (found == histories_.end() || found->second.empty()) return {};
    return found->second.back().description;
}

void MachineHistories::retain(const std::function<bool(const StateMachine*)>& alive) {
    std::erase_if(histories_, [&](const auto& entry) { return !alive(entry.first); });
}

MachineEdit::MachineEdit(MachineHistories& histories, StateMachine& machine,
                         std::string description, int max_depth, Sheet* sheet)
    : histories_(histories), machine_(machine), description_(std::move(description)),
      max_depth_(max_depth), before_(copy_machine(machine)), sheet_(sheet) {
    if (sheet_ != nullptr) texts_before_ = sheet_->texts;
}

MachineEdit::~MachineEdit() {
    if (before_ == nullptr) return;
    put_back(machine_, std::move(*before_));
    if (sheet_ != nullptr) sheet_->texts = std::move(texts_before_);
}

Outcome MachineEdit::finish(Outcome outcome) {
    if (before_ == nullptr) return outcome;
    if (outcome == Outcome::Done) {
        histories_.push(machine_, std::move(description_), std::move(before_), max_depth_, sheet_,
                        std::move(texts_before_));
    } else {
        put_back(machine_, std::move(*before_));
        if (sheet_ != nullptr) sheet_->texts = std::move(texts_before_);
    }
    before_.reset();
    return outcome;
}

} // namespace zeph
