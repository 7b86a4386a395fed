// Accounting and failure reporting of the editor's allocations.
#include "editor/edit_memory.h"

#include "editor/editor_ui.h"
#include "foundation/strings.h"

#include <cstdio>

namespace zped {

bool EditMemory::grow(std::size_t old_count, std::size_t added_count, std::size_t element_size) {
    (void)old_count;
    if (added_count == 0 || element_size == 0) {
        std::fputs("Error in allocating memory\n", stderr);
        return true;
    }
    long bytes = static_cast<long>(added_count * element_size);
    if (limit_ > 0 && total_ + bytes > limit_) {
        failed_ = true;
        editor_ui().message_box(kErrorTitle,
                                zeph::format_text("Alloc failed for %d bytes (Total %ld).",
                                                  static_cast<int>(bytes), total_));
        return false;
    }
    total_ += bytes;
    return true;
}

void EditMemory::report_exhausted(std::size_t bytes) noexcept {
    failed_ = true;
    try {
        editor_ui().message_box(kErrorTitle,
                                zeph::format_text("Alloc failed for %d bytes (Total %ld).",
                                                  static_cast<int>(bytes), total_));
    } catch (...) {
        // Not even the message could be had; the failure flag still tells the caller.
    }
}

void EditMemory::release(std::size_t bytes) {
    total_ -= static_cast<long>(bytes);
}

} // namespace zped
