// Formatting of the status line fields.
#include "editor/status_line.h"

#include "editor/edit_buffer.h"
#include "foundation/strings.h"

namespace zped {

StatusFields status_fields(const EditBuffer* buffer, bool overwrite) {
    StatusFields fields;
    fields.mode = overwrite ? "Overwrite" : "Insert";
    if (!buffer) return fields;
    fields.position = zeph::format_text(" %3d : %-3d", buffer->cursor.line + 1,
                                        buffer->display_column(buffer->cursor).value);
    fields.state = buffer->read_only ? "Readonly" : buffer->modified ? "Modified" : "";
    return fields;
}

bool StatusLine::update(const StatusFields& fields) {
    if (any_ && fields == shown_) return false;
    shown_ = fields;
    any_ = true;
    return true;
}

} // namespace zped
