// Names to small numbers, kept in two contiguous arrays: a lookup touches one run of slots and
// one stored name, however scattered the named objects are in the heap. The first value given
// for a name stays.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

class FlatNameIndex {
  public:
    void reserve(std::size_t names);
    // Returns false (and keeps the earlier value) when the name is already indexed.
    bool add(std::string_view name, std::uint32_t value);
    // The value of the name, or nullptr.
    const std::uint32_t* find(std::string_view name) const;
    // Starts fetching the slot of the name into the cache; a find some work later then rarely
    // waits for memory.
    void prefetch(std::string_view name) const;
    std::size_t size() const { return count_; }

  private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t offset = 0; // into names_
        std::uint32_t length = 0;
        std::uint32_t value = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    static std::uint32_t hash_of(std::string_view name);
    std::size_t slot_of(std::string_view name, std::uint32_t hash) const;
    void rehash(std::size_t slots);

    std::vector<Slot> slots_; // a power of two, never more than half full
    std::string names_;
    std::size_t count_ = 0;
};

} // namespace zeph
