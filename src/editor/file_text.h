// How a file's bytes become buffer lines and buffer lines become a file's bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

// Longest piece of a physical line that becomes one buffer line.
inline constexpr std::size_t kLoadChunk = 254;

// Splits file contents into lines: a line ends after "\n" (dropped, with a "\r" before it) or
// after 254 bytes. A 254-byte piece followed directly by its line end takes that line end
// along, so no empty line appears. After a final line end (or for empty contents) one empty
// line follows.
std::vector<std::string> split_file_text(std::string_view data);

// The lines joined by CR LF, without a line break after the last one.
std::string join_for_save(const std::vector<std::string_view>& lines);

struct FileContents {
    bool opened = false;
    std::string data;
    long expected_size = 0;             // size before reading
    std::int64_t modification_time = 0; // nanoseconds since 1970
};

// Reads a whole file without newline translation.
FileContents read_file(const std::string& path);

// Modification time of a file, or nothing when its status cannot be read.
bool file_modification_time(const std::string& path, std::int64_t& time);
bool file_exists(const std::string& path);

} // namespace zped
