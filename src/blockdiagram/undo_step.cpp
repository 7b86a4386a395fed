// Undo steps: ordered snapshots and the records they keep alive.
#include "blockdiagram/undo_step.h"

namespace zeph {

UndoStep::~UndoStep() {
    // Snapshots may point into kept records; they go first.
    restorers_.clear();
    kept_.clear();
}

bool UndoStep::capture(int kind, const void* record, std::unique_ptr<Restorer> restorer) {
    if (!captured_.insert({kind, record}).second) return false;
    restorers_.push_back(std::move(restorer));
    return true;
}

void UndoStep::undo() {
    for (auto it = restorers_.rbegin(); it != restorers_.rend(); ++it)
        (*it)->restore(*this);
    restorers_.clear();
    captured_.clear();
}

} // namespace zeph
