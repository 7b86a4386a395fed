// The readers of project names: the first line of a lock file, the untitled family of project
// names, the kinds of stored HDL file names, paths made absolute and the window title. The
// input is split at its first NUL byte into a name and a directory.
#include "design/hdl_file_location.h"
#include "design/lock_file.h"
#include "design/project_paths.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string line = zeph::first_lock_line(input);
    check(line.size() <= 256 && line.find('\n') == std::string::npos);
    check(input.substr(0, line.size()) == line);

    std::size_t nul = input.find('\0');
    std::string name(input.substr(0, nul));
    std::string cwd = nul == std::string_view::npos ? "/" : "/" + std::string(input.substr(nul + 1));
    if (zeph::is_untitled_name(name)) check(name.size() == 12);
    zeph::classify_hdl_file_name(name);

    std::string absolute = zeph::absolute_path(name, cwd);
    check(!absolute.empty() && absolute.front() == '/');
    check(absolute.find("//") == std::string::npos);
    check(absolute.size() == 1 || absolute.back() != '/');
    check(zeph::absolute_path(absolute, "/") == absolute);

    for (bool modified : {false, true}) {
        std::string title = zeph::project_title(name, false, modified);
        check(title.starts_with("ZEPH/HDL - ") && title.size() <= 11 + 48);
    }
    return 0;
}
