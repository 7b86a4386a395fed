// Growable, zero-filled arrays grown by a fixed step, never by doubling.
#pragma once

#include <cstddef>

namespace zeph {

// Returns the array grown to count + step elements of `size` bytes, the new elements zeroed.
// A null array or a count of 0 gives a fresh zeroed array of `step` elements. A heap failure
// is the memory-allocation system message, which ends the program.
void* grow_array(void* array, std::size_t count, std::size_t step, std::size_t size);

// Frees what grow_array returned.
void free_array(void* array);

// Called after the memory-allocation message, before the program ends: the shell installs the
// emergency backup of the open design here.
using MemoryFailureHook = void (*)();
void set_memory_failure_hook(MemoryFailureHook hook);
[[noreturn]] void memory_allocation_failed();

} // namespace zeph
