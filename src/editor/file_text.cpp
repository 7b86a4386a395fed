// Splitting loaded bytes into lines, joining lines for saving, and reading files whole.
#include "editor/file_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {

std::vector<std::string> split_file_text(std::string_view data) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    bool ended_with_newline = false;
    while (pos < data.size()) {
        std::size_t begin = pos;
        std::size_t limit = std::min(data.size(), pos + kLoadChunk);
        std::size_t nl = data.substr(pos, limit - pos).find('\n');
        std::size_t end;
        if (nl != std::string_view::npos) {
            end = pos + nl;
            pos = end + 1;
            ended_with_newline = true;
        } else {
            end = limit;
            pos = limit;
            ended_with_newline = false;
            // A line end right after a full piece belongs to it.
            if (pos < data.size() && data[pos] == '\n') {
                pos += 1;
                ended_with_newline = true;
            } else if (pos + 1 < data.size() && data[pos] == '\r' && data[pos + 1] == '\n') {
                pos += 2;
                ended_with_newline = true;
            }
        }
        if (ended_with_newline && end > begin && data[end - 1] == '\r' && end == pos - 1) --end;
        lines.emplace_back(data.substr(begin, end - begin));
    }
    if (ended_with_newline || data.empty()) lines.emplace_back();
    return lines;
}

std::string join_for_save(const std::vector<std::string_view>& lines) {
    std::size_t size = 0;
    for (std::string_view line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

FileContents read_file(const std::string& path) {
    FileContents contents;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return contents;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return contents;
    }
    contents.opened = true;
    contents.expected_size = static_cast<long>(st.st_size);
    contents.modification_time =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    contents.data.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n > 0)
            contents.data.append(chunk, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fd);
    return contents;
}

bool file_modification_time(const std::string& path, std::int64_t& time) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    time = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool file_exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

} // namespace zped
