// File and directory operations of design projects, with the messages of their failures.
#include "design/project_files.h"

#include "foundation/file_names.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zeph {

namespace {
constexpr const char* kPartialSuffix = ".partial";
constexpr const char* kRemovingSuffix = ".removing";

std::string error_text() {
    return std::strerror(errno);
}

std::string child_path(const std::string& dir, const std::string& name) {
    return dir.ends_with('/') ? dir + name : dir + "/" + name;
}

// The entries of a directory without "." and ".."; false when it cannot be read.
bool list_directory(const std::string& path, std::vector<std::string>& names) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.c_str()), closedir);
    if (!dir) return false;
    errno = 0;
    while (dirent* entry = readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    return errno == 0;
}

// A path as the user knows it: the temporary name of a copy or a removal stands for its
// target.
struct Shown {
    std::string actual;
    std::string display;
    Shown child(const std::string& name) const {
        return {child_path(actual, name), child_path(display, name)};
    }
};

bool delete_tree_quietly(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISDIR(st.st_mode)) return unlink(path.c_str()) == 0;
    std::vector<std::string> names;
    list_directory(path, names);
    for (const std::string& name : names)
        delete_tree_quietly(child_path(path, name));
    return rmdir(path.c_str()) == 0;
}

bool delete_tree_shown(ui::Platform& platform, const Shown& path) {
    struct stat st;
    if (lstat(path.actual.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;
        show_file_error(platform, format_text("Cannot delete directory '%s': %s.",
                                              path.display.c_str(), error_text().c_str()));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (unlink(path.actual.c_str()) == 0) return true;
        show_file_error(platform, format_text("Cannot delete file '%s': %s.", path.display.c_str(),
                                              error_text().c_str()));
        return false;
    }
    std::vector<std::string> names;
    if (!list_directory(path.actual, names)) {
        show_file_error(platform, format_text("Cannot delete directory '%s': %s.",
                                              path.display.c_str(), error_text().c_str()));
        return false;
    }
    for (const std::string& name : names)
        if (!delete_tree_shown(platform, path.child(name))) return false;
    if (rmdir(path.actual.c_str()) == 0) return true;
    show_file_error(platform, format_text("Cannot delete directory '%s': %s.", path.display.c_str(),
                                          error_text().c_str()));
    return false;
}

bool write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Copies the bytes of one file to `to.actual`, which must not exist.
bool copy_file_shown(ui::Platform& platform, const Shown& from, const Shown& to) {
    int in = open(from.actual.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        show_file_error(
            platform, format_text("Cannot open file '%s' for copying (r).", from.display.c_str()));
        return false;
    }
    struct stat st;
    mode_t mode = fstat(in, &st) == 0 ? (st.st_mode & 0777) : 0644;
    int out = open(to.actual.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode | 0200);
    if (out < 0) {
        close(in);
        show_file_error(platform,
                        format_text("Cannot open file '%s' for copying (w).", to.display.c_str()));
        return false;
    }
    bool ok = true;
    bool read_failed = false;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) read_failed = true;
        if (n <= 0) break;
        if (!write_all(out, buffer, static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    close(in);
    if (close(out) != 0) ok = false;
    if (read_failed) {
        unlink(to.actual.c_str());
        show_file_error(
            platform, format_text("Cannot open file '%s' for copying (r).", from.display.c_str()));
        return false;
    }
    if (!ok) {
        unlink(to.actual.c_str());
        show_file_error(platform, format_text("Error(s) writing file '%s'.", to.display.c_str()));
    }
    return ok;
}

bool copy_tree_shown(ui::Platform& platform, const Shown& from, const Shown& to) {
    struct stat st;
    if (lstat(from.actual.c_str(), &st) != 0) {
        show_file_error(
            platform, format_text("Cannot open file '%s' for copying (r).", from.display.c_str()));
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        std::vector<char> target(static_cast<std::size_t>(st.st_size) + 1);
        ssize_t n = readlink(from.actual.c_str(), target.data(), target.size());
        if (n < 0 || symlink(std::string(target.data(), static_cast<std::size_t>(n)).c_str(),
                             to.actual.c_str()) != 0) {
            show_file_error(platform, format_text("Cannot open file '%s' for copying (w).",
                                                  to.display.c_str()));
            return false;
        }
        return true;
    }
    if (!S_ISDIR(st.st_mode))
        return S_ISREG(st.st_mode) ? copy_file_shown(platform, from, to) : true;
    if (mkdir(to.actual.c_str(), 0777) != 0) {
        show_file_error(platform, format_text("Cannot create directory '%s': %s.",
                                              to.display.c_str(), error_text().c_str()));
        return false;
    }
    std::vector<std::string> names;
    if (!list_directory(from.actual, names)) {
        show_file_error(
            platform, format_text("Cannot open file '%s' for copying (r).", from.display.c_str()));
        return false;
    }
    for (const std::string& name : names)
        if (!copy_tree_shown(platform, from.child(name), to.child(name))) return false;
    return true;
}

// Copies into "<to>.partial" and renames it to `to` when everything arrived.
bool copy_then_rename(ui::Platform& platform, const std::string& from, const std::string& to,
                      bool (*copy)(ui::Platform&, const Shown&, const Shown&),
                      bool refuse_existing) {
    if (refuse_existing && path_exists(to)) {
        show_file_error(platform, format_text("Directory '%s' already exists.", to.c_str()));
        return false;
    }
    if (to.starts_with(from + "/")) { // a copy into itself would never end
        show_file_error(platform, format_text("Cannot create directory '%s': %s.", to.c_str(),
                                              std::strerror(EINVAL)));
        return false;
    }
    std::string partial = to + kPartialSuffix;
    delete_tree_quietly(partial);
    if (!copy(platform, {from, from}, {partial, to})) {
        delete_tree_quietly(partial);
        return false;
    }
    if (::rename(partial.c_str(), to.c_str()) != 0) {
        show_file_error(platform, format_text("Cannot rename '%s' to '%s': %s.", partial.c_str(),
                                              to.c_str(), error_text().c_str()));
        delete_tree_quietly(partial);
        return false;
    }
    return true;
}
} // namespace

void show_file_error(ui::Platform& platform, const std::string& text) {
    platform.message_box(program_name(), text);
}

bool path_exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool is_directory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool delete_file(ui::Platform& platform, const std::string& path) {
    if (unlink(path.c_str()) == 0) return true;
    show_file_error(
        platform, format_text("Cannot delete file '%s': %s.", path.c_str(), error_text().c_str()));
    return false;
}

bool create_directory(ui::Platform& platform, const std::string& path) {
    if (mkdir(path.c_str(), 0777) == 0) return true;
    show_file_error(platform, format_text("Cannot create directory '%s': %s.", path.c_str(),
                                          error_text().c_str()));
    return false;
}

bool rename_path(ui::Platform& platform, const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    show_file_error(platform, format_text("Cannot rename '%s' to '%s': %s.", from.c_str(),
                                          to.c_str(), error_text().c_str()));
    return false;
}

bool delete_tree(ui::Platform& platform, const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;
        show_file_error(platform, format_text("Cannot delete directory '%s': %s.", path.c_str(),
                                              error_text().c_str()));
        return false;
    }
    // Set aside first, so that an interrupted removal leaves no half of the tree under its name.
    std::string aside = strip_separator(path) + kRemovingSuffix;
    delete_tree_quietly(aside);
    if (S_ISDIR(st.st_mode) && ::rename(path.c_str(), aside.c_str()) == 0)
        return delete_tree_shown(platform, {aside, path});
    return delete_tree_shown(platform, {path, path});
}

bool copy_file(ui::Platform& platform, const std::string& from, const std::string& to) {
    return copy_then_rename(platform, from, to, copy_file_shown, false);
}

bool copy_tree(ui::Platform& platform, const std::string& from, const std::string& to) {
    return copy_then_rename(platform, from, to, copy_tree_shown, true);
}

void remove_stale_leftovers(const std::string& path) {
    delete_tree_quietly(path + kPartialSuffix);
    delete_tree_quietly(path + kRemovingSuffix);
}

} // namespace zeph
