// Ten bookmarks shared by all windows: a position and the buffer it was dropped in. They live as
// long as the editor runs; a closed window leaves its bookmarks pointing nowhere.
#pragma once

#include "editor/text_position.h"

#include <array>

namespace zped {

class EditorSession;
struct EditBuffer;

inline constexpr int kBookmarkCount = 10;

struct Bookmark {
    TextPosition position;
    bool set = false;
    EditBuffer* buffer = nullptr; // null once the window is closed
};

class Bookmarks {
  public:
    // Entry n (0 to 9).
    const Bookmark& entry(int n) const { return marks_[static_cast<std::size_t>(n)]; }
    void drop(int n, EditBuffer& buffer, TextPosition position);
    // A window closes: its bookmarks stay set but lose their buffer.
    void forget(const EditBuffer& buffer);

  private:
    std::array<Bookmark, kBookmarkCount> marks_{};
};

// SetMark<n>: the active buffer's cursor becomes bookmark n ("Dropped bookmark %d.").
int set_mark(EditorSession& session, int n);
// GotoMark<n>: activates the bookmark's window and moves its cursor there.
int goto_mark(EditorSession& session, int n);

} // namespace zped
