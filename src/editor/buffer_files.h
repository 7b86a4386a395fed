// Loading files into buffers and saving buffers to files, with change detection and reload.
#pragma once

#include <cstdint>
#include <string>

namespace zped {

class EditorSession;
struct EditBuffer;

// Opens a file in a new active buffer; an empty name gives a new "Untitled%d" buffer. Null when
// the user declined or the buffer could not be made.
EditBuffer* LoadBuffer(EditorSession& session, const std::string& name, bool create, bool read_only,
                       std::uint32_t window_kind);

// Saves a buffer under its name, or under `new_name` when given (empty: ask with "Save As");
// asks before replacing another existing file. True when the file was written.
bool SaveBuffer(EditorSession& session, EditBuffer& buffer, const std::string* new_name);

// Reads the buffer's file again; the undo history stays.
bool ReloadBuffer(EditBuffer& buffer);

// Asks to reload when the file changed on disk since it was loaded or saved.
void CheckFileChanged(EditBuffer& buffer);

enum class ReadOutcome { Read, CannotOpen, NotRegular, OutOfMemory };

// Reads a file's text into the buffer's lines and takes its line-end convention, reporting size
// mismatches; anything but Read leaves the lines alone (OutOfMemory is reported already).
ReadOutcome read_buffer_file(EditBuffer& buffer, const std::string& name);

} // namespace zped
