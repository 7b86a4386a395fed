// The editor's allocation layer: every block the buffers and histories hold is accounted here,
// so the status information can show the running total and a failing allocation is reported
// in one place. A test can set a limit to exercise the out-of-memory paths with real buffers.
#pragma once

#include <cstddef>

namespace zped {

class EditMemory {
  public:
    // Accounts for a block of (old + added) elements growing by `added` elements. Returns
    // false, shows "Alloc failed for %d bytes (Total %ld)." and sets the failure flag when the
    // block cannot be had. A zero count or size is reported on the error output.
    static bool grow(std::size_t old_count, std::size_t added_count, std::size_t element_size);
    // Reports that the system refused a block of `bytes` (a std::bad_alloc was caught): the same
    // message and failure flag as a refused growth. Never throws.
    static void report_exhausted(std::size_t bytes) noexcept;
    // Gives back the bytes of a block that is freed.
    static void release(std::size_t bytes);

    static long total() { return total_; }
    static bool failed() { return failed_; }
    static void clear_failure() { failed_ = false; }
    // Allocations past this many bytes fail (0: no limit); for tests.
    static void set_limit(long bytes) { limit_ = bytes; }

  private:
    static inline long total_ = 0;
    static inline long limit_ = 0;
    static inline bool failed_ = false;
};

} // namespace zped
