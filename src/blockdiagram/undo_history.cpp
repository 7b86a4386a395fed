// Undo histories per diagram with their depth limit.
#include "blockdiagram/undo_history.h"

#include "blockdiagram/diagram_settings.h"

#include <algorithm>

namespace zeph {

void UndoHistory::push(std::unique_ptr<UndoStep> step, int max_depth) {
    steps_.push_back(std::move(step));
    std::size_t limit = static_cast<std::size_t>(std::clamp(max_depth, kMinUndos, kMaxUndos));
    while (steps_.size() > limit)
        steps_.pop_front();
}

std::unique_ptr<UndoStep> UndoHistory::pop() {
    if (steps_.empty()) return nullptr;
    std::unique_ptr<UndoStep> step = std::move(steps_.back());
    steps_.pop_back();
    return step;
}

void UndoHistory::drop_from_newest_shared() {
    for (std::size_t i = steps_.size(); i-- > 0;) {
        if (!steps_[i]->shared()) continue;
        steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return;
    }
}

const UndoHistory* DiagramHistories::find(DiagramKey key) const {
    auto it = histories_.find(key);
    return it == histories_.end() ? nullptr : &it->second;
}

void DiagramHistories::commit(DiagramKey key, std::unique_ptr<UndoStep> step, int max_depth) {
    if (step == nullptr || step->empty()) return;
    for (auto& [other, history] : histories_) {
        if (other == key) continue;
        if (step->shared())
            history.clear();
        else
            history.drop_from_newest_shared();
    }
    histories_[key].push(std::move(step), max_depth);
}

} // namespace zeph
