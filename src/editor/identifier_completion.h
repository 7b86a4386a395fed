// IdentifierExpand: completes the identifier before the cursor from the identifiers of the open
// buffers, nearest first (backwards from the cursor, then forwards, then the other buffers).
// Using it again right after a completion replaces that completion by the next candidate;
// after the last one the typed prefix comes back, and the round starts again.
#pragma once

#include "editor/text_position.h"

#include <string>
#include <vector>

namespace zped {

class EditorSession;
struct EditBuffer;
struct EditTransaction;

class IdentifierCompletion {
  public:
    // 0 when the text changed.
    int expand(EditorSession& session);

  private:
    bool continues(const EditorSession& session, const EditBuffer& buffer);
    void collect(const EditorSession& session, const EditBuffer& buffer, bool case_sensitive);

    // The last completion, valid while its transaction is the buffer's current one and the
    // cursor is still behind it.
    const EditBuffer* buffer_ = nullptr;
    const EditTransaction* made_ = nullptr;
    TextPosition start_;
    std::string prefix_;
    std::vector<std::string> candidates_;
    std::size_t shown_ = 0; // 0: the prefix; i: candidate i - 1
};

// The identifiers (letters, digits and "_", beginning with a letter or "_") of a line, in order.
std::vector<std::string_view> identifiers_of(std::string_view line);

} // namespace zped
