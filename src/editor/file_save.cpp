// Saving in place behind a complete copy. Order of a save of an existing file:
//   1. open the file for writing (refused: nothing happens);
//   2. copy it completely to "<dir>/.<name>.zped-save" (or the state directory, or the backup
//      name), under a temporary name, flush it to disk, then rename it to its final name, so
//      the final name always means a complete copy;
//   3. write the new text over the file from its start, cut it to the new length, flush;
//   4. remove the safety copy (a backup stays).
// A failure in 3 writes the copy back over the file. A crash in 3 leaves the copy, which the
// next load of the file reports.
#include "editor/file_save.h"

#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {

namespace {

constexpr std::size_t kBlock = 1 << 20;

bool write_all_at(int fd, const char* data, std::size_t size, off_t offset, long& written) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    written += static_cast<long>(done);
    return done == size;
}

// The file that is really written: the target of a symbolic link.
std::string real_target(const std::string& name) {
    char resolved[PATH_MAX];
    if (realpath(name.c_str(), resolved)) return resolved;
    return name;
}

std::string directory_of(const std::string& path) {
    std::string dir = path.substr(0, path.size() - zeph::file_part(path).size());
    return dir.empty() ? std::string("./") : dir;
}

std::string beside_copy_name(const std::string& target) {
    return directory_of(target) + "." + zeph::file_part(target) + ".zped-save";
}

std::string state_copy_name(const std::string& target, const std::string& state_directory) {
    std::string flat = target;
    for (char& c : flat)
        if (c == '/') c = '%';
    return state_directory + "/" + flat + ".zped-save";
}

// Creates a new file beside `final_name` under a name of its own; -1 when the directory
// cannot take it. The mode is filtered by the umask.
int create_temporary(const std::string& final_name, mode_t mode, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = zeph::format_text("%s.%d-%d.tmp", final_name.c_str(),
                                      static_cast<int>(getpid()), attempt);
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// Copies all of `in` to `out` from their starts; false with the reason's text on failure.
bool copy_contents(int in, int out, std::string& problem) {
    std::string block(kBlock, '\0');
    off_t offset = 0;
    for (;;) {
        ssize_t n = pread(in, block.data(), block.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            problem = "The handle identifying the source file was not valid.";
            return false;
        }
        if (n == 0) return true;
        long written = 0;
        if (!write_all_at(out, block.data(), static_cast<std::size_t>(n), offset, written)) {
            problem = "There is insufficient space for the output file.";
            return false;
        }
        offset += n;
    }
}

// Step 2: a complete, flushed copy of the file open as `source` under `final_name`.
bool make_complete_copy(int source, const std::string& source_name, const std::string& final_name,
                        mode_t mode, std::string& message) {
    std::string temporary;
    int out = create_temporary(final_name, 0600, temporary);
    if (out < 0) {
        message = zeph::format_text("Error: Unable to write backup file '%s'.", final_name.c_str());
        return false;
    }
    std::string problem;
    bool ok = copy_contents(source, out, problem);
    fchmod(out, mode & 07777);
    if (ok && fsync(out) != 0) {
        ok = false;
        problem = "There is insufficient space for the output file.";
    }
    if (close(out) != 0 && ok) {
        ok = false;
        problem = "There is insufficient space for the output file.";
    }
    if (ok && rename(temporary.c_str(), final_name.c_str()) != 0) {
        ok = false;
        problem = "The handle identifying the destination file was not valid.";
    }
    if (!ok) {
        unlink(temporary.c_str());
        message = zeph::format_text("Error(s) copying file '%s'.\n", source_name.c_str()) + problem;
    }
    return ok;
}

// Step 3: the new text over the file, cut to its length and flushed.
bool write_over(int fd, const SaveRequest& request, long& written) {
    FileSink sink(fd);
    request.write_text(sink);
    bool ok = sink.flush();
    written = sink.written();
    if (ok && ftruncate(fd, written) != 0) ok = false;
    if (ok && fsync(fd) != 0) ok = false;
    struct stat st {};
    return ok && fstat(fd, &st) == 0 && st.st_size == written;
}

// Puts the copy's bytes back over the file after a failed write.
bool restore_from(int fd, const std::string& copy_name) {
    int in = open(copy_name.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    std::string problem;
    bool ok = copy_contents(in, fd, problem);
    struct stat st {};
    ok = ok && fstat(in, &st) == 0 && ftruncate(fd, st.st_size) == 0 && fsync(fd) == 0;
    close(in);
    return ok;
}

// A file that does not exist yet: written completely under a temporary name, then linked to its
// name, which fails rather than replace a file made meanwhile.
SaveOutcome save_new_file(const std::string& target, const SaveRequest& request) {
    SaveOutcome outcome;
    std::string temporary;
    int fd =
        create_temporary(directory_of(target) + "." + zeph::file_part(target), 0666, temporary);
    if (fd < 0) {
        outcome.problem = SaveProblem::CannotOpen;
        return outcome;
    }
    bool ok = write_over(fd, request, outcome.written);
    if (close(fd) != 0) ok = false;
    if (!ok) {
        unlink(temporary.c_str());
        outcome.problem = SaveProblem::WriteFailed;
        return outcome;
    }
    if (link(temporary.c_str(), target.c_str()) != 0) {
        bool no_links = errno == EPERM || errno == EOPNOTSUPP;
        if (!no_links || rename(temporary.c_str(), target.c_str()) != 0) {
            unlink(temporary.c_str());
            outcome.problem = SaveProblem::CannotOpen;
            return outcome;
        }
    } else {
        unlink(temporary.c_str());
    }
    return outcome;
}

} // namespace

FileSink::FileSink(int fd) : fd_(fd), block_(new char[kBlock]) {}

FileSink::~FileSink() {
    delete[] block_;
}

bool FileSink::write(std::string_view bytes) {
    while (!failed_ && !bytes.empty()) {
        std::size_t take = std::min(bytes.size(), kBlock - used_);
        std::copy(bytes.data(), bytes.data() + take, block_ + used_);
        used_ += take;
        bytes.remove_prefix(take);
        if (used_ == kBlock) flush();
    }
    return !failed_;
}

bool FileSink::flush() {
    if (!failed_ && used_ > 0)
        failed_ = !write_all_at(fd_, block_, used_, static_cast<off_t>(written_), written_);
    used_ = 0;
    return !failed_;
}

bool may_write_file(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return true;
    return (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

std::string leftover_safety_copy(const std::string& path, const std::string& state_directory) {
    std::string target = real_target(path);
    for (const std::string& name :
         {beside_copy_name(target), state_copy_name(target, state_directory)})
        if (access(name.c_str(), F_OK) == 0) return name;
    return {};
}

SaveOutcome save_in_place(const SaveRequest& request) {
    SaveOutcome outcome;
    std::string target = real_target(request.path);
    struct stat st {};
    if (stat(target.c_str(), &st) != 0) return save_new_file(target, request);
    if (!S_ISREG(st.st_mode)) {
        outcome.problem = SaveProblem::NotRegular;
        return outcome;
    }
    if (!may_write_file(target)) {
        outcome.problem = SaveProblem::CannotOpen;
        return outcome;
    }
    int fd = open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        outcome.problem = SaveProblem::CannotOpen;
        return outcome;
    }
    // Step 2: the backup, or a safety copy beside the file, else in the state directory.
    std::string copy_name = request.backup_name;
    bool copied = false;
    if (!copy_name.empty()) {
        copied = make_complete_copy(fd, request.path, copy_name, st.st_mode, outcome.copy_message);
    } else {
        copy_name = beside_copy_name(target);
        copied = make_complete_copy(fd, request.path, copy_name, st.st_mode, outcome.copy_message);
        if (!copied && !request.state_directory.empty()) {
            std::error_code ignored;
            std::filesystem::create_directories(request.state_directory, ignored);
            copy_name = state_copy_name(target, request.state_directory);
            copied =
                make_complete_copy(fd, request.path, copy_name, st.st_mode, outcome.copy_message);
        }
    }
    if (!copied) {
        close(fd);
        outcome.problem = SaveProblem::CopyFailed;
        return outcome;
    }
    bool written = write_over(fd, request, outcome.written);
    if (!written) {
        outcome.problem = SaveProblem::WriteFailed;
        if (!restore_from(fd, copy_name)) {
            outcome.problem = SaveProblem::RestoreFailed;
            outcome.kept_copy = copy_name;
        }
    }
    if (close(fd) != 0 && written) {
        // The last bytes did not arrive after all: put the old text back.
        written = false;
        outcome.problem = SaveProblem::WriteFailed;
        int again = open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (again < 0 || !restore_from(again, copy_name)) {
            outcome.problem = SaveProblem::RestoreFailed;
            outcome.kept_copy = copy_name;
        }
        if (again >= 0) close(again);
    }
    if (outcome.problem != SaveProblem::RestoreFailed && copy_name != request.backup_name)
        unlink(copy_name.c_str());
    return outcome;
}

} // namespace zped
