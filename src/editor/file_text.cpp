// Splitting loaded bytes into lines, joining lines for saving, and reading regular files.
#include "editor/file_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {

namespace {
// Bytes one step of the loading rule may look at: a full piece and a "\r\n" after it.
constexpr std::size_t kStepLookahead = kLoadChunk + 2;

std::int64_t nanoseconds(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Opens a path for reading only when it is a regular file. O_NONBLOCK keeps the open of a FIFO
// from waiting for a writer; the check after it refuses the FIFO.
int open_regular(const std::string& path, struct stat& st, ReadProblem& problem) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        problem = errno == ENOENT ? ReadProblem::Missing : ReadProblem::CannotOpen;
        return -1;
    }
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = S_ISREG(st.st_mode) ? ReadProblem::CannotOpen : ReadProblem::NotRegular;
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    problem = ReadProblem::None;
    return fd;
}

// read() that retries when interrupted; -1 on an error.
ssize_t read_some(int fd, char* into, std::size_t size) {
    for (;;) {
        ssize_t n = read(fd, into, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}
} // namespace

std::size_t LineSplitter::split(std::string_view data, bool at_end, const Emit& emit) {
    std::size_t pos = 0;
    if (!data.empty()) any_ = true;
    while (pos < data.size() && !stopped_) {
        if (!at_end && data.size() - pos < kStepLookahead) break;
        std::size_t begin = pos;
        std::size_t limit = std::min(data.size(), pos + kLoadChunk);
        std::size_t nl = data.substr(pos, limit - pos).find('\n');
        std::size_t end;
        bool crlf = false;
        if (nl != std::string_view::npos) {
            end = pos + nl;
            pos = end + 1;
            ended_with_newline_ = true;
        } else {
            end = limit;
            pos = limit;
            ended_with_newline_ = false;
            // A line end right after a full piece belongs to it.
            if (pos < data.size() && data[pos] == '\n') {
                pos += 1;
                ended_with_newline_ = true;
            } else if (pos + 1 < data.size() && data[pos] == '\r' && data[pos + 1] == '\n') {
                pos += 2;
                ended_with_newline_ = true;
                crlf = true;
            }
        }
        if (ended_with_newline_ && end > begin && data[end - 1] == '\r' && end == pos - 1) {
            --end;
            crlf = true;
        }
        if (ended_with_newline_) ++(crlf ? ends_.crlf : ends_.lf);
        if (!emit(data.substr(begin, end - begin))) stopped_ = true;
    }
    return pos;
}

bool LineSplitter::finish(const Emit& emit) {
    if (stopped_) return false;
    if ((ended_with_newline_ || !any_) && !emit({})) stopped_ = true;
    return !stopped_;
}

std::vector<std::string> split_file_text(std::string_view data) {
    std::vector<std::string> lines;
    LineSplitter splitter;
    auto keep = [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    };
    splitter.split(data, true, keep);
    splitter.finish(keep);
    return lines;
}

std::string join_for_save(const std::vector<std::string_view>& lines, LineEnd end) {
    std::string_view separator = line_end_text(end);
    std::size_t size = 0;
    for (std::string_view line : lines)
        size += line.size() + separator.size();
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += separator;
        text += lines[i];
    }
    return text;
}

FileContents read_file(const std::string& path) {
    FileContents contents;
    struct stat st {};
    int fd = open_regular(path, st, contents.problem);
    if (fd < 0) return contents;
    contents.expected_size = static_cast<long>(st.st_size);
    contents.modification_time = nanoseconds(st);
    try {
        contents.data.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[65536];
        for (;;) {
            ssize_t n = read_some(fd, chunk, sizeof chunk);
            if (n <= 0) break;
            contents.data.append(chunk, static_cast<std::size_t>(n));
        }
    } catch (...) {
        close(fd);
        throw;
    }
    close(fd);
    return contents;
}

LoadedLines read_file_lines(const std::string& path, const LineSplitter::Emit& emit) {
    LoadedLines loaded;
    struct stat st {};
    int fd = open_regular(path, st, loaded.problem);
    if (fd < 0) return loaded;
    loaded.expected_size = static_cast<long>(st.st_size);
    loaded.modification_time = nanoseconds(st);
    constexpr std::size_t kReadBlock = 1 << 20;
    std::unique_ptr<char[]> block;
    try {
        block = std::make_unique<char[]>(kReadBlock);
    } catch (...) {
        close(fd);
        throw;
    }
    LineSplitter splitter;
    std::size_t kept = 0; // bytes at the start of block not split yet
    bool at_end = false;
    while (!at_end && !splitter.stopped()) {
        ssize_t n = read_some(fd, block.get() + kept, kReadBlock - kept);
        if (n <= 0) at_end = true;
        if (n > 0) {
            loaded.bytes_read += n;
            kept += static_cast<std::size_t>(n);
        }
        std::size_t used = splitter.split({block.get(), kept}, at_end, emit);
        std::copy(block.get() + used, block.get() + kept, block.get());
        kept -= used;
    }
    close(fd);
    if (!splitter.finish(emit)) {
        loaded.problem = ReadProblem::Stopped;
        return loaded;
    }
    loaded.line_ends = splitter.line_ends();
    return loaded;
}

bool file_modification_time(const std::string& path, std::int64_t& time) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    time = nanoseconds(st);
    return true;
}

bool file_exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

bool is_special_file(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

} // namespace zped
