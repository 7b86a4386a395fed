// Growable, zero-filled arrays grown by a fixed step, never by doubling.
#pragma once

#include <cstddef>

namespace zeph {

// Returns the array grown to count + step elements of `size` bytes, the new elements zeroed.
// A null array or a count of 0 gives a fresh zeroed array of `step` elements. A heap failure
// throws std::bad_alloc (the array is left as it was), so that the command that needed the
// memory is abandoned and the open design is kept.
void* grow_array(void* array, std::size_t count, std::size_t step, std::size_t size);

// Frees what grow_array returned.
void free_array(void* array);

[[noreturn]] void memory_allocation_failed();

} // namespace zeph
