// Records of the undo history, accounted by the editor's memory layer.
#include "editor/edit_history.h"

#include "editor/edit_memory.h"
#include "editor/editor_ui.h"

#include <new>

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
    bool kept = EditMemory::grow(0, bytes_of(head), 1);
    if (kept) {
        try {
            records_.push_back(std::move(head));
        } catch (const std::bad_alloc&) {
            EditMemory::release(bytes_of(head));
            kept = false;
        }
    }
    if (!kept) {
        editor_ui().message_box(kErrorTitle, "Running out of memory");
        return false;
    }
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
    std::size_t bytes = bytes_of(record);
    if (!EditMemory::grow(0, bytes, 1)) return false;
    try {
        records_.push_back(std::move(record));
    } catch (const std::bad_alloc&) {
        EditMemory::release(bytes);
        EditMemory::report_exhausted(bytes);
        return false;
    }
    return true;
}

void EditHistory::free_after(Record record) {
    for (auto it = std::next(record); it != records_.end(); ++it)
        EditMemory::release(bytes_of(*it));
    records_.erase(std::next(record), records_.end());
}

} // namespace zped
