// The settings file "zeph.ini" on disk: where it lives, reading it into Settings and writing
// them back. Reading never stops the program: a missing, unreadable or damaged file gives a
// message and the defaults for what it could not give. Writing never silently leaves the file
// with less than it had: lines it cannot read are kept, and a file it could not read at all is
// set aside before a new one takes its place.
#pragma once

#include "foundation/ini_document.h"
#include "shell/settings.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// "zeph.ini" beside the program file when it exists there; otherwise in the platform's place
// for such files: $XDG_CONFIG_HOME/zeph/ ($HOME/.config/zeph/ when that is unset or not an
// absolute path), or the bare name when there is no home either.
std::string locate_settings_file(const std::string& program_dir, const char* xdg_config_home,
                                 const char* home);
// The same for this process (program directory from /proc/self/exe, the real environment).
std::string locate_settings_file();

class SettingsFile {
  public:
    // Messages of reading and writing go through the platform.
    SettingsFile(ui::Platform& platform, std::string path)
        : platform_(platform), path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // Reads the file; a file that does not exist is system message 32 and the defaults.
    void load();
    // Writes the current settings; false when the file could not be written (the message is
    // shown, the old file is untouched).
    bool save();

  private:
    bool set_aside_unreadable();

    ui::Platform& platform_;
    std::string path_;
    IniDocument document_;
    Settings settings_;
    bool unreadable_ = false; // the file exists but its content could not be taken
};

// Larger files are not taken as settings files.
inline constexpr std::size_t kMaxSettingsFileSize = 1 << 20;

} // namespace zeph
