// The one way the text of a buffer changes: ApplyEdit records a transaction and redoes it;
// UndoEdit and RedoEdit replay transactions and check that the text still fits them.
#pragma once

#include "editor/edit_buffer.h"

#include <string_view>

namespace zped {

// View request codes for the top line.
inline constexpr int kKeepTop = -1;
inline constexpr int kScrollToCursor = -2; // also for the left column
inline constexpr int kKeepOrCentre = -3;
inline constexpr int kCentre = -4;
// Left column and selection coordinates: keep the current value.
inline constexpr int kKeep = -1;

struct ViewRequest {
    int top = kScrollToCursor;
    int left = kScrollToCursor;
};

// Selection request: each coordinate -1 keeps the buffer's current value.
struct SelectionRequest {
    TextPosition anchor{kKeep, kKeep};
    TextPosition end{kKeep, kKeep};
    static SelectionRequest empty_at(TextPosition p) { return {p, p}; }
};

void ApplyEdit(EditBuffer& buffer, TextPosition start, TextPosition end, std::string_view text,
               TextPosition cursor, ViewRequest view, SelectionRequest selection);

// 0 on success, 1 when nothing was done.
int UndoEdit(EditBuffer& buffer);
int RedoEdit(EditBuffer& buffer);

void ClearHistory(EditBuffer& buffer);
// The head sentinel holds the buffer's cursor, view and selection at this moment.
bool InitHistory(EditBuffer& buffer);

// Resolves the view request for a cursor against the buffer's window (exposed for cursor
// movement, which scrolls the same way without a transaction).
ViewOrigin resolve_view(const EditBuffer& buffer, TextPosition cursor, ViewRequest request);

} // namespace zped
