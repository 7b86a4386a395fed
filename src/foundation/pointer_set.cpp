#include "foundation/pointer_set.h"

#include <bit>
#include <cstdint>

namespace zeph {

std::size_t PointerSet::home(const void* p) const {
    // Heap addresses share their low bits; Fibonacci hashing takes the product's top bits,
    // which depend on all of them.
    auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p));
    int shift = 64 - std::countr_zero(slots_.size());
    return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> shift);
}

std::size_t PointerSet::slot_of(const void* p) const {
    std::size_t mask = slots_.size() - 1;
    std::size_t i = home(p);
    while (slots_[i] != nullptr && slots_[i] != p)
        i = (i + 1) & mask;
    return i;
}

void PointerSet::rehash(std::size_t slots) {
    std::vector<const void*> old = std::move(slots_);
    slots_.assign(slots, nullptr);
    for (const void* p : old)
        if (p != nullptr) slots_[slot_of(p)] = p;
}

void PointerSet::reserve(std::size_t count) {
    std::size_t wanted = 16;
    while (wanted < 2 * count)
        wanted *= 2;
    if (wanted > slots_.size()) rehash(wanted);
}

bool PointerSet::insert(const void* p) {
    if (p == nullptr) return false;
    reserve(count_ + 1);
    std::size_t i = slot_of(p);
    if (slots_[i] != nullptr) return false;
    slots_[i] = p;
    ++count_;
    return true;
}

bool PointerSet::contains(const void* p) const {
    return p != nullptr && !slots_.empty() && slots_[slot_of(p)] != nullptr;
}

bool PointerSet::erase(const void* p) {
    if (!contains(p)) return false;
    std::size_t mask = slots_.size() - 1;
    std::size_t hole = slot_of(p);
    slots_[hole] = nullptr;
    --count_;
    // Move back every later member of the run that may no longer be reached past the hole.
    for (std::size_t i = (hole + 1) & mask; slots_[i] != nullptr; i = (i + 1) & mask) {
        std::size_t h = home(slots_[i]);
        bool reachable = hole <= i ? (h > hole && h <= i) : (h > hole || h <= i);
        if (reachable) continue;
        slots_[hole] = slots_[i];
        slots_[i] = nullptr;
        hole = i;
    }
    return true;
}

} // namespace zeph
