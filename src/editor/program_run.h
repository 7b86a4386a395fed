// Running an outside program into the result window "ToolResult": the window is prepared with
// the run's title, the program's output is read through a pipe while it runs and shown as it
// comes, and afterwards the error parser (when the run has one) builds the error list for the
// window that was active when the run began.
#pragma once

#include "editor/command_words.h"
#include "editor/error_parsers.h"

#include <string>

namespace zped {

class EditorSession;
struct EditBuffer;

inline constexpr const char* kToolResultWindow = "ToolResult";
// Output is read in pieces of at most this many bytes, waiting at most a second for each.
inline constexpr std::size_t kOutputPiece = 256;
inline constexpr int kOutputWaitMilliseconds = 1000;

struct ProgramRun {
    std::string title;
    ProgramCommand command;
    ErrorParser parser = ErrorParser::None;
    // The source file's name as the compiler reports it (its name without directory).
    std::string compiled_file;
};

// 0 when the program ran (whatever its exit status), 1 when it could not be started.
int run_program(EditorSession& session, const ProgramRun& run);

// Appends program output at the end of a window's text, without a transaction: carriage
// returns and NUL bytes are dropped, and a line that would grow beyond 255 bytes continues on
// a new line (cut before a UTF-8 character, not inside it). False when memory was refused
// (nothing was added then).
bool append_output(EditBuffer& window, std::string_view output);

} // namespace zped
