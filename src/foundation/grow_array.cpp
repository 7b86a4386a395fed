// Fixed-step growable arrays and the program's reaction to a heap failure.
#include "foundation/grow_array.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace zeph {

void* grow_array(void* array, std::size_t count, std::size_t step, std::size_t size) {
    if (array == nullptr || count == 0) {
        void* fresh = std::calloc(step == 0 ? 1 : step, size == 0 ? 1 : size);
        if (fresh == nullptr) memory_allocation_failed();
        std::free(array);
        return fresh;
    }
    void* grown = std::realloc(array, (count + step) * size);
    if (grown == nullptr) memory_allocation_failed();
    std::memset(static_cast<char*>(grown) + count * size, 0, step * size);
    return grown;
}

void free_array(void* array) {
    std::free(array);
}

void memory_allocation_failed() {
    throw std::bad_alloc();
}

} // namespace zeph
