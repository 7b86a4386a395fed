// Region copies out of HDL files.
#include "hdl/copy_region.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace zeph {

namespace {
constexpr std::size_t kPieceLength = 256;
} // namespace

bool read_hdl_file(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    bytes = std::move(text).str();
    return true;
}

bool copy_region(ui::Platform& platform, std::string_view file, std::ostream& out, std::size_t from,
                 std::size_t to) {
    to = std::min(to, file.size());
    char piece[kPieceLength];
    for (std::size_t at = from; at < to; at += kPieceLength) {
        std::string_view read = file.substr(at, std::min(kPieceLength, to - at));
        std::size_t kept = 0;
        for (char c : read)
            if (c != '\r') piece[kept++] = c;
        std::streamsize wrote = out.rdbuf() != nullptr
                                    ? out.rdbuf()->sputn(piece, static_cast<std::streamsize>(kept))
                                    : 0;
        if (wrote != static_cast<std::streamsize>(kept)) {
            out.setstate(std::ios::badbit);
            show_hdl_file_problem(platform,
                                  format_text("File copy error: Read %d bytes, wrote %d bytes",
                                              static_cast<int>(kept), static_cast<int>(wrote)));
            return false;
        }
    }
    return true;
}

void show_hdl_file_problem(ui::Platform& platform, const std::string& text) {
    platform.message_box(program_name(), text);
}

} // namespace zeph
