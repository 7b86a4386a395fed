// Turning reader and writer result codes into system messages.
#include "design/design_file.h"

#include "foundation/system_message.h"

namespace zeph {

void show_read_failure(ui::Platform& platform, int code, const std::string& path) {
    if (code > 0)
        system_message(platform, 102, code, path.c_str());
    else if (code == kReadExpired)
        system_message(platform, 103, 0, nullptr);
    else if (code == kReadNotDesignFile)
        system_message(platform, 102, -2, path.c_str());
    else if (code == kReadCannotOpen)
        system_message(platform, 4, 0, path.c_str());
}

void show_write_failure(ui::Platform& platform, int code, const std::string& path) {
    if (code == kWriteCannotOpen)
        system_message(platform, 4, 1, path.c_str());
    else if (code != 0)
        system_message(platform, 7, 0, path.c_str());
}

} // namespace zeph
