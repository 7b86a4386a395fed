// The fields of the status line: cursor position, insert or overwrite, and the buffer's state.
#pragma once

#include <string>

namespace zped {

struct EditBuffer;

struct StatusFields {
    std::string position; // " %3d : %-3d": 1-based line, 0-based display column
    std::string mode;     // "Insert" or "Overwrite"
    std::string state;    // "Readonly", "Modified" or empty
    bool operator==(const StatusFields&) const = default;
};

StatusFields status_fields(const EditBuffer* buffer, bool overwrite);

// Remembers the last fields so that they are only rewritten when a value changed.
class StatusLine {
  public:
    // True when the fields differ from the ones shown before (and remembers them).
    bool update(const StatusFields& fields);
    const StatusFields& shown() const { return shown_; }

  private:
    StatusFields shown_;
    bool any_ = false;
};

} // namespace zped
