// The lines of an edit buffer: a growable array of owned line texts without terminators. The
// array grows by a fixed step (1000 for an edit buffer) or by as many slots as are needed at
// once, whichever is more; new slots are empty.
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

    int count() const { return count_; }
    int capacity() const { return static_cast<int>(slots_.size()); }
    int grow_step() const { return grow_step_; }
    const std::string& line(int index) const { return slots_[static_cast<std::size_t>(index)]; }

    // Room for k new, empty lines at index; the lines from index on move up by k. False (and
    // nothing changed) when the memory layer refuses the growth.
    bool make_room(int index, int k);
    // Copies text into a new line after the last one.
    bool append(std::string_view text);
    // Lines first .. last (inclusive) are replaced by new_lines. False, with nothing changed,
    // when the memory layer refuses.
    bool replace_lines(int first, int last, std::vector<std::string>&& new_lines);
    // Frees every line and the array; count, capacity and the counters become 0.
    void clear();

    // Two counters that belong to the list and are reset with it: the first line and the
    // number of lines of the last change, used to limit repainting.
    int changed_first = 0;
    int changed_count = 0;

  private:
    bool account_line(std::size_t length);
    void release_line(const std::string& text);

    std::vector<std::string> slots_; // size() is the capacity
    int count_ = 0;
    int grow_step_;
};

} // namespace zped
