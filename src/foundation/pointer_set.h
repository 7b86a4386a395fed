// A set of addresses in one contiguous array (open addressing, linear probing): a lookup reads
// one run of slots instead of a list node somewhere in the heap, which matters once the set
// holds more addresses than the caches do.
#pragma once

#include <cstddef>
#include <vector>

namespace zeph {

class PointerSet {
  public:
    void reserve(std::size_t count);
    // Whether it was added (false: already present). Null is never a member.
    bool insert(const void* p);
    bool erase(const void* p);
    bool contains(const void* p) const;
    std::size_t size() const { return count_; }

    template <typename Visit> void for_each(Visit visit) const {
        for (const void* p : slots_)
            if (p != nullptr) visit(p);
    }

  private:
    std::size_t home(const void* p) const;
    std::size_t slot_of(const void* p) const; // its slot or the empty slot ending its run
    void rehash(std::size_t slots);

    std::vector<const void*> slots_; // a power of two, at most half full; null is empty
    std::size_t count_ = 0;
};

} // namespace zeph
