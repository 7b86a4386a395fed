// Records of the undo history, accounted by the editor's memory layer.
#include "editor/edit_history.h"

#include "editor/edit_memory.h"
#include "editor/editor_ui.h"

namespace zped {

std::size_t EditHistory::bytes_of(const EditTransaction& record) {
    // One block with both strings back to back, each terminated.
    return sizeof(EditTransaction) + record.removed.size() + record.inserted.size() + 2;
}

bool EditHistory::init(const EditTransaction& state) {
    clear();
    EditTransaction head = state;
    head.removed.clear();
    head.inserted.clear();
    if (!EditMemory::grow(0, bytes_of(head), 1)) {
        editor_ui().message_box(kErrorTitle, "Running out of memory");
        return false;
    }
    records_.push_back(std::move(head));
    current_ = records_.begin();
    return true;
}

void EditHistory::clear() {
    for (const EditTransaction& record : records_)
        EditMemory::release(bytes_of(record));
    records_.clear();
    current_ = records_.end();
}

bool EditHistory::append(EditTransaction record) {
    if (!EditMemory::grow(0, bytes_of(record), 1)) return false;
    records_.push_back(std::move(record));
    return true;
}

void EditHistory::free_after(Record record) {
    for (auto it = std::next(record); it != records_.end(); ++it)
        EditMemory::release(bytes_of(*it));
    records_.erase(std::next(record), records_.end());
}

} // namespace zped
