// Growth, splicing and clearing of a line list, with every block accounted by the memory layer.
// A refused or failed allocation leaves the list exactly as it was.
#include "editor/line_list.h"

#include "editor/edit_memory.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

namespace zped {

namespace {
// Length byte, text, NUL.
std::size_t block_size(std::size_t length) {
    return length + 2;
}
} // namespace

LineList::~LineList() {
    clear();
}

void LineList::swap(LineList& other) noexcept {
    slots_.swap(other.slots_);
    std::swap(count_, other.count_);
    std::swap(grow_step_, other.grow_step_);
    std::swap(changed_first, other.changed_first);
    std::swap(changed_count, other.changed_count);
}

std::string_view LineList::line(int index) const {
    const char* block = slots_[static_cast<std::size_t>(index)];
    if (!block) return {};
    return {block + 1, static_cast<unsigned char>(block[0])};
}

char* LineList::make_block(std::string_view text) {
    if (text.empty()) return nullptr;
    assert(text.size() <= 255);
    char* block = new char[block_size(text.size())];
    block[0] = static_cast<char>(static_cast<unsigned char>(text.size()));
    std::memcpy(block + 1, text.data(), text.size());
    block[text.size() + 1] = '\0';
    return block;
}

void LineList::free_block(char* block) {
    if (!block) return;
    EditMemory::release(block_size(static_cast<unsigned char>(block[0])));
    delete[] block;
}

bool LineList::make_room(int index, int k) {
    if (k <= 0) return true;
    if (count_ + k >= capacity()) {
        std::size_t added = static_cast<std::size_t>(std::max(grow_step_, k));
        if (!EditMemory::grow(slots_.size(), added, sizeof(char*))) return false;
        try {
            slots_.resize(slots_.size() + added, nullptr);
        } catch (const std::bad_alloc&) {
            EditMemory::release(added * sizeof(char*));
            EditMemory::report_exhausted((slots_.size() + added) * sizeof(char*));
            return false;
        }
    }
    auto begin = slots_.begin();
    std::move_backward(begin + index, begin + count_, begin + count_ + k);
    std::fill(begin + index, begin + index + k, nullptr);
    count_ += k;
    return true;
}

bool LineList::append(std::string_view text) {
    if (!text.empty() && !EditMemory::grow(0, block_size(text.size()), 1)) return false;
    char* block = nullptr;
    try {
        block = make_block(text);
    } catch (const std::bad_alloc&) {
        EditMemory::release(block_size(text.size()));
        EditMemory::report_exhausted(block_size(text.size()));
        return false;
    }
    if (!make_room(count_, 1)) {
        free_block(block);
        return false;
    }
    slots_[static_cast<std::size_t>(count_ - 1)] = block;
    return true;
}

bool LineList::replace_lines(int first, int last, const std::vector<std::string>& new_lines) {
    int old_count = last - first + 1;
    int new_count = static_cast<int>(new_lines.size());
    std::size_t new_bytes = 0;
    for (const std::string& text : new_lines)
        if (!text.empty()) new_bytes += block_size(text.size());
    if (new_bytes > 0 && !EditMemory::grow(0, new_bytes, 1)) return false;

    std::vector<char*> blocks;
    try {
        blocks.reserve(new_lines.size());
        for (const std::string& text : new_lines)
            blocks.push_back(make_block(text));
    } catch (const std::bad_alloc&) {
        for (char* block : blocks)
            delete[] block;
        EditMemory::release(new_bytes);
        EditMemory::report_exhausted(new_bytes);
        return false;
    }
    if (new_count > old_count && !make_room(last + 1, new_count - old_count)) {
        for (char* block : blocks)
            delete[] block;
        EditMemory::release(new_bytes);
        return false;
    }
    // From here on nothing can fail.
    for (int i = first; i <= last; ++i) {
        free_block(slots_[static_cast<std::size_t>(i)]);
        slots_[static_cast<std::size_t>(i)] = nullptr;
    }
    if (new_count < old_count) {
        auto begin = slots_.begin();
        std::move(begin + last + 1, begin + count_, begin + first + new_count);
        std::fill(begin + count_ - (old_count - new_count), begin + count_, nullptr);
        count_ -= old_count - new_count;
    }
    for (int i = 0; i < new_count; ++i)
        slots_[static_cast<std::size_t>(first + i)] = blocks[static_cast<std::size_t>(i)];
    changed_first = first;
    changed_count = new_count;
    return true;
}

void LineList::clear() {
    for (int i = 0; i < count_; ++i)
        free_block(slots_[static_cast<std::size_t>(i)]);
    if (!slots_.empty()) EditMemory::release(slots_.size() * sizeof(char*));
    std::vector<char*>().swap(slots_);
    count_ = 0;
    changed_first = 0;
    changed_count = 0;
}

} // namespace zped
