// Open addressing with linear probing over slots of 16 bytes; names are appended to one string.
#include "foundation/flat_name_index.h"

#include <functional>

namespace zeph {

std::uint32_t FlatNameIndex::hash_of(std::string_view name) {
    auto h = std::hash<std::string_view>{}(name);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

// The slot holding the name, or the empty slot where it would go.
std::size_t FlatNameIndex::slot_of(std::string_view name, std::uint32_t hash) const {
    std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.value == kEmpty) return i;
        if (slot.hash == hash && slot.length == name.size() &&
            std::string_view(names_).substr(slot.offset, slot.length) == name)
            return i;
    }
}

void FlatNameIndex::rehash(std::size_t slots) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(slots, Slot{});
    std::size_t mask = slots - 1;
    for (const Slot& slot : old) {
        if (slot.value == kEmpty) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].value != kEmpty)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void FlatNameIndex::reserve(std::size_t names) {
    std::size_t wanted = 16;
    while (wanted < 2 * names)
        wanted *= 2;
    if (wanted > slots_.size()) rehash(wanted);
}

bool FlatNameIndex::add(std::string_view name, std::uint32_t value) {
    reserve(count_ + 1);
    std::uint32_t hash = hash_of(name);
    Slot& slot = slots_[slot_of(name, hash)];
    if (slot.value != kEmpty) return false;
    slot = Slot{hash, static_cast<std::uint32_t>(names_.size()),
                static_cast<std::uint32_t>(name.size()), value};
    names_.append(name);
    ++count_;
    return true;
}

const std::uint32_t* FlatNameIndex::find(std::string_view name) const {
    if (slots_.empty()) return nullptr;
    const Slot& slot = slots_[slot_of(name, hash_of(name))];
    return slot.value == kEmpty ? nullptr : &slot.value;
}

void FlatNameIndex::prefetch(std::string_view name) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash_of(name) & (slots_.size() - 1)]);
}

} // namespace zeph
