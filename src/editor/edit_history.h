// The undo history of a buffer: a linear list of invertible transactions behind a head sentinel,
// with a current record. Records up to current are applied to the text; records after it are
// undone and can be redone.
#pragma once

#include "editor/text_position.h"

#include <list>
#include <string>

namespace zped {

struct ViewOrigin {
    int top_line = 0;
    DisplayColumn left{0};
    bool operator==(const ViewOrigin&) const = default;
};

// One change: the text between `start` and the end of `removed` was replaced by `inserted`
// (both with "\n" line breaks), and afterwards the cursor, view and selection were these.
struct EditTransaction {
    TextPosition selection_anchor;
    TextPosition selection_end;
    ViewOrigin view;
    TextPosition cursor;
    TextPosition start;
    std::string removed;
    std::string inserted;
};

class EditHistory {
  public:
    using Record = std::list<EditTransaction>::iterator;

    EditHistory() = default;
    ~EditHistory() { clear(); }
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Creates the head sentinel holding the state shown before any change. False ("Running
    // out of memory" shown) when the memory layer refuses.
    bool init(const EditTransaction& state);
    void clear();
    bool initialised() const { return !records_.empty(); }

    Record head() { return records_.begin(); }
    Record tail() { return std::prev(records_.end()); }
    Record current() { return current_; }
    const EditTransaction& current_record() const { return *current_; }
    void set_current(Record record) { current_ = record; }
    bool can_undo() const { return initialised() && current_ != records_.begin(); }
    bool can_redo() const { return initialised() && std::next(current_) != records_.end(); }
    bool is_tail(Record record) const { return std::next(record) == records_.end(); }

    // Appends a record after the tail; false when the memory layer refuses.
    bool append(EditTransaction record);
    // Frees every record after `record`, which becomes the tail.
    void free_after(Record record);

    std::size_t size() const { return records_.size(); }
    const std::list<EditTransaction>& records() const { return records_; }

  private:
    static std::size_t bytes_of(const EditTransaction& record);

    std::list<EditTransaction> records_;
    Record current_{};
};

} // namespace zped
