// System messages (failures of files, memory and input) and framework messages (failures of
// the window and printing layer), shown through the platform layer.
#pragma once

#include "foundation/kind_vocabulary.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// The program's name: the title of its message boxes.
const std::string& program_name();

// The formatted line of a system message, prefix included, without the line end. Message 48
// names the kind `i` in the language's column.
std::string system_message_text(int number, int i, const char* s, int language = kLanguageVhdl);
// Shows a system message: 3 and 4 in a message box, all others in the status line with a
// beep; after 102 with a line number a second box asks for a bug report.
void system_message(ui::Platform& platform, int number, int i, const char* s,
                    int language = kLanguageVhdl);

std::string framework_message_text(int number, int i, const char* s);
void framework_message(ui::Platform& platform, int number, int i, const char* s);

} // namespace zeph
