// Guarded heap blocks with a registry of live blocks.
#include "foundation/cwmem.h"

#include "foundation/cwexcept.h"
#include "foundation/pointer_set.h"

#include <cstdlib>
#include <cstring>

namespace {

struct Registry {
    bool initialised = false;
    // Block addresses (not data addresses) of all live blocks. It lives on the system heap,
    // so it never registers its own storage.
    zeph::PointerSet* blocks = nullptr;
};

Registry& registry() {
    static Registry r;
    return r;
}

#define CWMEM_ASSERT() cwexcept_assert("cwmem", __LINE__)

unsigned char* block_of(const void* data) {
    return const_cast<unsigned char*>(static_cast<const unsigned char*>(data)) - kCwmemHeader;
}
void* data_of(unsigned char* block) {
    return block + kCwmemHeader;
}

std::uint32_t stored_size(const unsigned char* block) {
    std::uint32_t n;
    std::memcpy(&n, block, sizeof n);
    return n;
}

void write_header(unsigned char* block, std::uint32_t n, unsigned char tag) {
    std::memcpy(block, &n, sizeof n);
    block[4] = tag;
    block[5] = 0;
    block[6] = 0;
    block[7] = kCwmemGuard;
    block[kCwmemHeader + n] = kCwmemGuard;
}

bool registry_ready() {
    Registry& r = registry();
    if (!r.initialised) {
        CWMEM_ASSERT();
        return false;
    }
    if (r.blocks == nullptr) {
        CWMEM_ASSERT();
        return false;
    }
    return true;
}

// The checks every operation on a block makes, in their fixed order. A block that is not
// registered is not read at all: it may already be back on the heap.
bool check_block(const void* p) {
    if (!registry_ready()) return false;
    if (p == nullptr) {
        CWMEM_ASSERT();
        return false;
    }
    if ((reinterpret_cast<std::uintptr_t>(p) & 3u) != 0) {
        CWMEM_ASSERT();
        return false;
    }
    const unsigned char* block = block_of(p);
    if (!registry().blocks->contains(block)) {
        CWMEM_ASSERT();
        return false;
    }
    bool intact = true;
    if (block[7] != kCwmemGuard) {
        CWMEM_ASSERT();
        intact = false;
    }
    if (block[kCwmemHeader + stored_size(block)] != kCwmemGuard) {
        CWMEM_ASSERT();
        intact = false;
    }
    return intact;
}

bool size_acceptable(long n) {
    if (n <= 0 || static_cast<unsigned long>(n) > 0xFFFFFFFFul - kCwmemOverhead) {
        CWMEM_ASSERT();
        return false;
    }
    return true;
}

void* allocate(long n, bool zero) {
    if (!registry_ready() || !size_acceptable(n)) return nullptr;
    auto size = static_cast<std::size_t>(n);
    auto* block = static_cast<unsigned char*>(std::malloc(size + kCwmemOverhead));
    if (block == nullptr) {
        cwexcept_fatal(-1, "Out of memory.");
        return nullptr;
    }
    write_header(block, static_cast<std::uint32_t>(size), kCwmemTagBlank);
    std::memset(block + kCwmemHeader, zero ? 0 : kCwmemFill, size);
    registry().blocks->insert(block);
    return data_of(block);
}

void* resize(void* p, long n, bool zero_gained) {
    if (!check_block(p) || !size_acceptable(n)) return nullptr;
    unsigned char* block = block_of(p);
    std::size_t old_size = stored_size(block);
    auto new_size = static_cast<std::size_t>(n);
    unsigned char tag = block[4];
    if (new_size < old_size)
        std::memset(block + kCwmemHeader + new_size, kCwmemFill, old_size - new_size);
    registry().blocks->erase(block);
    auto* moved = static_cast<unsigned char*>(std::realloc(block, new_size + kCwmemOverhead));
    if (moved == nullptr) {
        registry().blocks->insert(block);
        cwexcept_fatal(-1, "Out of memory.");
        return nullptr;
    }
    if (new_size > old_size)
        std::memset(moved + kCwmemHeader + old_size, zero_gained ? 0 : kCwmemFill,
                    new_size - old_size);
    write_header(moved, static_cast<std::uint32_t>(new_size), tag);
    registry().blocks->insert(moved);
    return data_of(moved);
}

} // namespace

void cwmem_init() {
    Registry& r = registry();
    if (r.initialised) {
        CWMEM_ASSERT();
        return;
    }
    r.blocks = new zeph::PointerSet();
    r.blocks->reserve(1024);
    r.initialised = true;
}

bool cwmem_initialised() {
    return registry().initialised;
}

void cwmem_shutdown() {
    Registry& r = registry();
    if (r.blocks != nullptr) {
        r.blocks->for_each([](const void* block) { std::free(const_cast<void*>(block)); });
        delete r.blocks;
    }
    r.blocks = nullptr;
    r.initialised = false;
}

void* cwmem_alloc(long n) {
    return allocate(n, false);
}
void* cwmem_calloc(long n) {
    return allocate(n, true);
}
void* cwmem_realloc(void* p, long n) {
    return resize(p, n, false);
}
void* cwmem_recalloc(void* p, long n) {
    return resize(p, n, true);
}

void* cwmem_dup(const void* p) {
    if (!check_block(p)) return nullptr;
    long n = static_cast<long>(stored_size(block_of(p)));
    void* copy = allocate(n, false);
    if (copy != nullptr) std::memcpy(copy, p, static_cast<std::size_t>(n));
    return copy;
}

void cwmem_free(void* p) {
    if (!check_block(p)) return;
    unsigned char* block = block_of(p);
    registry().blocks->erase(block);
    std::memset(block, kCwmemFill, stored_size(block) + kCwmemOverhead);
    std::free(block);
}

long cwmem_live_count() {
    if (!registry_ready()) return 0;
    return static_cast<long>(registry().blocks->size());
}

long cwmem_size(const void* p) {
    if (!check_block(p)) return -1;
    return static_cast<long>(stored_size(block_of(p)));
}

int cwmem_get_tag(const void* p) {
    if (!check_block(p)) return -1;
    return block_of(p)[4];
}

void cwmem_set_tag(void* p, int tag) {
    if (!check_block(p)) return;
    if (tag != kCwmemTagBlank && tag != kCwmemTagList && tag != kCwmemTagQ && tag != kCwmemTagS) {
        CWMEM_ASSERT();
        return;
    }
    block_of(p)[4] = static_cast<unsigned char>(tag);
}

bool cwmem_check(const void* p) {
    return check_block(p);
}
