// What every compile command does before it runs: the active window must hold a source file,
// and the file on disk must hold its text.
#pragma once

#include <string>

namespace zped {

class EditorSession;
struct EditBuffer;

// The active edit window, saved when it has unsaved changes (or no name yet). A result window
// gives the status text "Active window is not a language file."; a failed save stops too.
// Null when nothing may run.
EditBuffer* source_for_compiling(EditorSession& session);

// The directory of the window's file, where its compilers run.
std::string source_directory(const EditBuffer& source);
// The file's name without directory, as the compilers are given it.
std::string source_file_part(const EditBuffer& source);

} // namespace zped
