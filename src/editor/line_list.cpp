// Growth, splicing and clearing of a line list, with every block accounted by the memory layer.
#include "editor/line_list.h"

#include "editor/edit_memory.h"

#include <algorithm>

namespace zped {

LineList::~LineList() {
    clear();
}

bool LineList::account_line(std::size_t length) {
    return EditMemory::grow(0, length + 1, 1);
}

void LineList::release_line(const std::string& text) {
    EditMemory::release(text.size() + 1);
}

bool LineList::make_room(int index, int k) {
    if (k <= 0) return true;
    if (count_ + k >= capacity()) {
        int added = std::max(grow_step_, k);
        if (!EditMemory::grow(slots_.size(), static_cast<std::size_t>(added), sizeof(char*)))
            return false;
        slots_.resize(slots_.size() + static_cast<std::size_t>(added));
    }
    auto begin = slots_.begin();
    std::move_backward(begin + index, begin + count_, begin + count_ + k);
    for (int i = index; i < index + k; ++i)
        slots_[static_cast<std::size_t>(i)].clear();
    count_ += k;
    return true;
}

bool LineList::append(std::string_view text) {
    if (!account_line(text.size())) return false;
    if (!make_room(count_, 1)) {
        EditMemory::release(text.size() + 1);
        return false;
    }
    slots_[static_cast<std::size_t>(count_ - 1)].assign(text);
    return true;
}

bool LineList::replace_lines(int first, int last, std::vector<std::string>&& new_lines) {
    int old_count = last - first + 1;
    int new_count = static_cast<int>(new_lines.size());
    std::size_t new_bytes = 0;
    for (const std::string& text : new_lines)
        new_bytes += text.size() + 1;
    if (!EditMemory::grow(0, new_bytes, 1)) return false;
    if (new_count > old_count && !make_room(last + 1, new_count - old_count)) {
        EditMemory::release(new_bytes);
        return false;
    }
    for (int i = first; i <= last; ++i)
        release_line(slots_[static_cast<std::size_t>(i)]);
    if (new_count < old_count) {
        auto begin = slots_.begin();
        std::move(begin + last + 1, begin + count_, begin + first + new_count);
        count_ -= old_count - new_count;
        for (int i = count_; i < count_ + old_count - new_count; ++i)
            std::string().swap(slots_[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < new_count; ++i)
        slots_[static_cast<std::size_t>(first + i)] =
            std::move(new_lines[static_cast<std::size_t>(i)]);
    changed_first = first;
    changed_count = new_count;
    return true;
}

void LineList::clear() {
    for (int i = 0; i < count_; ++i)
        release_line(slots_[static_cast<std::size_t>(i)]);
    if (!slots_.empty()) EditMemory::release(slots_.size() * sizeof(char*));
    std::vector<std::string>().swap(slots_);
    count_ = 0;
    changed_first = 0;
    changed_count = 0;
}

} // namespace zped
