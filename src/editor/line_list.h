// The lines of an edit buffer: a growable array of owned line texts without terminators. The
// array grows by a fixed step (1000 for an edit buffer) or by as many slots as are needed at
// once, whichever is more; new slots are empty. Each line is one separately allocated block
// holding its length, its bytes and a terminating NUL, so a large file costs little more than
// its text; an empty line needs no block at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

inline constexpr int kBufferGrowStep = 1000;

class LineList {
  public:
    explicit LineList(int grow_step = kBufferGrowStep) : grow_step_(grow_step) {}
    ~LineList();
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;
    // Exchanges the contents of two lists (a reload reads into a fresh list first).
    void swap(LineList& other) noexcept;

    int count() const { return count_; }
    int capacity() const { return static_cast<int>(slots_.size()); }
    int grow_step() const { return grow_step_; }
    std::string_view line(int index) const;

    // Room for k new, empty lines at index; the lines from index on move up by k. False (and
    // nothing changed) when the memory layer refuses the growth.
    bool make_room(int index, int k);
    // Copies text (at most 255 bytes) into a new line after the last one.
    bool append(std::string_view text);
    // Lines first .. last (inclusive) are replaced by new_lines (each at most 255 bytes).
    // False, with nothing changed, when memory is refused.
    bool replace_lines(int first, int last, const std::vector<std::string>& new_lines);
    // Frees every line and the array; count, capacity and the counters become 0.
    void clear();

    // Two counters that belong to the list and are reset with it: the first line and the
    // number of lines of the last change, used to limit repainting.
    int changed_first = 0;
    int changed_count = 0;

  private:
    // A block for a line, accounted by the memory layer; null for an empty line. Throws
    // std::bad_alloc when the system has no memory left.
    static char* make_block(std::string_view text);
    static void free_block(char* block);

    std::vector<char*> slots_; // size() is the capacity
    int count_ = 0;
    int grow_step_;
};

} // namespace zped
