// How a file's bytes become buffer lines and buffer lines become a file's bytes, and reading
// files safely: only regular files are read (a FIFO, a device or a directory would block the
// editor or never end).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

// Longest piece of a physical line that becomes one buffer line.
inline constexpr std::size_t kLoadChunk = 254;

// The line end a buffer is saved with.
enum class LineEnd { Lf, CrLf };

inline std::string_view line_end_text(LineEnd end) {
    return end == LineEnd::CrLf ? "\r\n" : "\n";
}

// Line ends seen while loading. A file keeps its own convention: only line feeds stay line
// feeds; any carriage return before a line feed makes the file CR LF, which is also what mixed
// files are saved with. A file without line ends gets the Linux line feed.
struct LineEndCount {
    long lf = 0;
    long crlf = 0;
    LineEnd convention() const { return crlf > 0 ? LineEnd::CrLf : LineEnd::Lf; }
};

// The loading rule, fed in pieces: a line ends after "\n" (dropped, with a "\r" before it) or
// after 254 bytes. A 254-byte piece followed directly by its line end takes that line end
// along, so no empty line appears. After a final line end (or for empty contents) one empty
// line follows.
class LineSplitter {
  public:
    using Emit = std::function<bool(std::string_view)>;
    // Splits what can be decided from `data`; `at_end` says that no bytes follow. Returns the
    // number of bytes used; the caller keeps the rest and offers it again with more data
    // (fewer than 256 bytes stay unused unless at_end). Stops early when emit returns false.
    std::size_t split(std::string_view data, bool at_end, const Emit& emit);
    // The empty line after a final line end, or for empty contents.
    bool finish(const Emit& emit);
    const LineEndCount& line_ends() const { return ends_; }
    bool stopped() const { return stopped_; }

  private:
    bool ended_with_newline_ = false;
    bool any_ = false;
    bool stopped_ = false;
    LineEndCount ends_;
};

std::vector<std::string> split_file_text(std::string_view data);

// The lines joined by the line end, without a line break after the last one.
std::string join_for_save(const std::vector<std::string_view>& lines, LineEnd end);

enum class ReadProblem { None, Missing, NotRegular, CannotOpen, Stopped };

struct FileContents {
    ReadProblem problem = ReadProblem::None;
    bool opened() const { return problem == ReadProblem::None; }
    std::string data;
    long expected_size = 0;             // size before reading
    std::int64_t modification_time = 0; // nanoseconds since 1970
};

// Reads a whole regular file without newline translation.
FileContents read_file(const std::string& path);

struct LoadedLines {
    ReadProblem problem = ReadProblem::None;
    long expected_size = 0; // size before reading
    long bytes_read = 0;
    std::int64_t modification_time = 0;
    LineEndCount line_ends;
};

// Streams a regular file through the loading rule, one line at a time, without holding the
// whole file in memory. Stops (problem Stopped) when emit returns false.
LoadedLines read_file_lines(const std::string& path, const LineSplitter::Emit& emit);

// Modification time of a file, or nothing when its status cannot be read.
bool file_modification_time(const std::string& path, std::int64_t& time);
bool file_exists(const std::string& path);
// True for an existing path that is no regular file (a directory, a FIFO, a device).
bool is_special_file(const std::string& path);

} // namespace zped
