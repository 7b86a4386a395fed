// Saving a file so that it stays the same file: its text is written in place, so its mode, owner,
// group, hard links and the symbolic links to it stay as they were, and a file in a directory
// the user cannot write can still be saved. A half-written file is never the only copy: before
// the file is touched, a complete copy of it is written and flushed to disk (the backup "x.bak"
// when backups are on, else a safety copy that is removed once the new text is on disk). When
// writing fails the old text is put back from that copy. When the program dies while writing,
// the copy stays and the next load of the file points to it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zped {

// Collects the bytes of the new text and writes them to the file in large blocks.
class FileSink {
  public:
    explicit FileSink(int fd);
    ~FileSink();
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    // False once a write has failed; later writes are ignored.
    bool write(std::string_view bytes);
    bool flush();
    long written() const { return written_; }
    bool failed() const { return failed_; }

  private:
    int fd_;
    char* block_;
    std::size_t used_ = 0;
    long written_ = 0; // bytes that reached the file
    bool failed_ = false;
};

enum class SaveProblem {
    None,
    NotRegular,    // the name is a directory, a FIFO or a device
    CannotOpen,    // the file cannot be opened (or created) for writing, or is write-protected
    CopyFailed,    // the complete copy could not be made; the file is untouched
    WriteFailed,   // writing failed; the file holds its old text again
    RestoreFailed, // writing failed and the old text could not be put back: see `kept_copy`
};

struct SaveRequest {
    std::string path;        // the file as named; a symbolic link is followed
    std::string backup_name; // not empty: the complete copy is this backup and stays
    // Where a safety copy goes when the file's own directory cannot take it.
    std::string state_directory;
    std::function<void(FileSink&)> write_text;
};

struct SaveOutcome {
    SaveProblem problem = SaveProblem::None;
    long written = 0;         // bytes of the new text that reached the file
    std::string copy_message; // CopyFailed: the text that says why
    std::string kept_copy;    // RestoreFailed: where the old text is
};

SaveOutcome save_in_place(const SaveRequest& request);

// The safety copy an interrupted save of `path` left behind, or empty.
std::string leftover_safety_copy(const std::string& path, const std::string& state_directory);

// True when the user may write the file and it has a write permission bit at all (a file with
// none is treated as write-protected even where the user could override that).
bool may_write_file(const std::string& path);

} // namespace zped
