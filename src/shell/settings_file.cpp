// Locating, reading and writing "zeph.ini".
#include "shell/settings_file.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "shell/settings_io.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zeph {

namespace fs = std::filesystem;

namespace {
constexpr const char* kFileName = "zeph.ini";

bool exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// Reads the whole file; an empty optional with `why` set when it cannot be taken.
std::optional<std::string> read_file(const std::string& path, std::string& why) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    std::optional<std::string> text;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        why = "not a file";
    } else if (static_cast<std::size_t>(st.st_size) > kMaxSettingsFileSize) {
        why = "too large for a settings file";
    } else {
        text.emplace();
        char buffer[8192];
        for (;;) {
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n > 0 && text->size() + static_cast<std::size_t>(n) <= kMaxSettingsFileSize) {
                text->append(buffer, static_cast<std::size_t>(n));
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                if (n != 0) {
                    why = n < 0 ? std::strerror(errno) : "too large for a settings file";
                    text.reset();
                }
                break;
            }
        }
    }
    close(fd);
    return text;
}

// Writes text to `path` through a temporary file beside it, so that a failure leaves the old
// file as it was. 0 on success, else the system message number (4 open, 7 write).
int write_file_atomically(const std::string& path, const std::string& text) {
    std::error_code ec;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, ec);

    std::string target = path;
    if (char* real = realpath(path.c_str(), nullptr)) { // write through a symbolic link
        target = real;
        std::free(real);
    }
    mode_t mode = 0644;
    struct stat st;
    if (stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    std::string temp = target + ".tmp";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return 4;
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (!(n < 0 && errno == EINTR))
            ok = false;
    }
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (!ok) {
        unlink(temp.c_str());
        return 7;
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return 4;
    }
    return 0;
}
} // namespace

std::string locate_settings_file(const std::string& program_dir, const char* xdg_config_home,
                                 const char* home) {
    if (!program_dir.empty()) {
        std::string beside = program_dir + "/" + kFileName;
        if (exists(beside)) return beside;
    }
    std::string base;
    if (xdg_config_home != nullptr && xdg_config_home[0] == '/')
        base = xdg_config_home;
    else if (home != nullptr && home[0] != '\0')
        base = std::string(home) + "/.config";
    else
        return kFileName;
    return base + "/zeph/" + kFileName;
}

std::string locate_settings_file() {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return locate_settings_file(ec ? std::string() : program.parent_path().string(),
                                std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

void SettingsFile::load() {
    document_ = IniDocument();
    unreadable_ = false;
    if (!exists(path_)) {
        system_message(platform_, 32, 0, path_.c_str());
        settings_ = read_settings(document_);
        return;
    }
    std::string why;
    std::optional<std::string> text = read_file(path_, why);
    if (!text) {
        unreadable_ = true;
        system_message(platform_, 32, 0, path_.c_str());
        platform_.message_box(
            program_name(),
            format_text("Settings file '%s' cannot be read (%s).\nThe defaults are used; "
                        "the file is set aside when the settings are written.",
                        path_.c_str(), why.c_str()));
    } else {
        document_ = IniDocument::parse(*text);
    }
    const std::vector<std::size_t>& damaged = document_.damaged_lines();
    if (!damaged.empty())
        platform_.message_box(
            program_name(),
            format_text("Settings file '%s' has %zu line%s that cannot be read (the first is "
                        "line %zu).\nThe defaults stand for them; the lines are kept in the "
                        "file.",
                        path_.c_str(), damaged.size(), damaged.size() == 1 ? "" : "s",
                        damaged.front()));
    settings_ = read_settings(document_);
}

bool SettingsFile::set_aside_unreadable() {
    for (int i = 0; i < 10; ++i) {
        std::string aside = path_ + ".damaged" + (i == 0 ? "" : std::to_string(i));
        if (exists(aside)) continue;
        if (rename(path_.c_str(), aside.c_str()) != 0) break;
        platform_.status(format_text("Unreadable settings file kept as '%s'.", aside.c_str()),
                         false);
        return true;
    }
    return false;
}

bool SettingsFile::save() {
    if (unreadable_ && exists(path_) && !set_aside_unreadable()) {
        system_message(platform_, 4, 1, path_.c_str());
        return false;
    }
    write_settings(settings_, document_);
    if (int failure = write_file_atomically(path_, document_.text())) {
        system_message(platform_, failure, 1, path_.c_str());
        return false;
    }
    unreadable_ = false;
    return true;
}

} // namespace zeph
