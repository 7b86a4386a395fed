// Fixed-step growable arrays and the program's reaction to a heap failure.
#include "foundation/grow_array.h"

#include "foundation/system_message.h"

#include <cstdlib>
#include <cstring>

namespace zeph {

namespace {
MemoryFailureHook g_memory_failure_hook = nullptr;
}

void* grow_array(void* array, std::size_t count, std::size_t step, std::size_t size) {
    if (array == nullptr || count == 0) {
        if (array != nullptr) std::free(array);
        void* fresh = std::calloc(step == 0 ? 1 : step, size == 0 ? 1 : size);
        if (fresh == nullptr) memory_allocation_failed();
        return fresh;
    }
    void* grown = std::realloc(array, (count + step) * size);
    if (grown == nullptr) memory_allocation_failed();
    std::memset(static_cast<char*>(grown) + count * size, 0, step * size);
    return grown;
}

void free_array(void* array) { std::free(array); }

void set_memory_failure_hook(MemoryFailureHook hook) { g_memory_failure_hook = hook; }

void memory_allocation_failed() {
    system_message(3, 0, nullptr);
    if (g_memory_failure_hook != nullptr) g_memory_failure_hook();
    std::exit(EXIT_FAILURE);
}

} // namespace zeph
