// Turning reader and writer result codes into system messages.
#include "design/design_file.h"

#include "foundation/system_message.h"

namespace zeph {

void show_read_failure(int code, const std::string& path) {
    if (code > 0)
        system_message(102, code, path.c_str());
    else if (code == kReadExpired)
        system_message(103, 0, nullptr);
    else if (code == kReadNotDesignFile)
        system_message(102, -2, path.c_str());
    else if (code == kReadCannotOpen)
        system_message(4, 0, path.c_str());
}

void show_write_failure(int code, const std::string& path) {
    if (code == kWriteCannotOpen)
        system_message(4, 1, path.c_str());
    else if (code != 0)
        system_message(7, 0, path.c_str());
}

} // namespace zeph
