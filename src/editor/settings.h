// The editor's settings file "zped.ini" and its value conventions: flags written "yes"/"no",
// colours "%d %d %d", octal numbers, and path values with variables ("$INSTALL", names from
// section "Directories", then the environment).
#pragma once

#include "foundation/ini_document.h"

#include <optional>
#include <string_view>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace zped {

// The longest text of a tool or compiler setting (a program, its options, a directory).
inline constexpr std::size_t kToolFieldLength = 255;

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

class Settings {
  public:
    using Environment = std::function<std::string(const std::string&)>;

    // Settings kept in `path` (which need not exist); install_dir is what "$INSTALL" means.
    Settings(std::string path, std::string install_dir, Environment environment = {});

    // Reads the file; a missing file gives empty settings. False when it exists but cannot
    // be read.
    bool load();
    // Writes the file, creating its directory; false on failure.
    bool save() const;

    const std::string& path() const { return path_; }
    // The directory of the settings file: where relative definition-file names are found.
    std::string directory() const;
    const std::string& install_dir() const { return install_dir_; }
    bool loaded_from_file() const { return loaded_; }

    std::string read_string(const std::string& section, const std::string& key,
                            const std::string& fallback) const;
    void write_string(const std::string& section, const std::string& key, const std::string& value);
    int read_int(const std::string& section, const std::string& key, int fallback) const;
    void write_int(const std::string& section, const std::string& key, int value);
    int read_octal(const std::string& section, const std::string& key, int fallback) const;
    void write_octal(const std::string& section, const std::string& key, int value);
    bool read_bool(const std::string& section, const std::string& key, bool fallback) const;
    void write_bool(const std::string& section, const std::string& key, bool value);
    Colour read_colour(const std::string& section, const std::string& key, Colour fallback) const;
    // A path value with its variables expanded; when a variable cannot be expanded the
    // (expanded) default is used instead.
    std::string read_path(const std::string& section, const std::string& key,
                          const std::string& fallback) const;
    // Expands "$NAME" parts (ended by "/", "\" or the end); false when one has no value.
    bool expand_path(const std::string& value, std::string& expanded) const;

    zeph::IniDocument& ini() { return ini_; }

  private:
    // zped.ini adds a section right after the last line, without a blank line between.
    static zeph::IniDocument parsed(std::string_view text);
    std::optional<std::string> stored(const std::string& section, const std::string& key) const;

    std::string path_;
    std::string install_dir_;
    Environment environment_;
    zeph::IniDocument ini_;
    bool loaded_ = false;
};

// Where "zped.ini" lives: beside the program when it exists there, otherwise
// $XDG_CONFIG_HOME/zped/ (default ~/.config/zped/).
std::string default_settings_path(const std::string& install_dir);

// Where zped keeps files of its own that are no settings (safety copies of interrupted saves):
// $XDG_STATE_HOME/zped (default ~/.local/state/zped).
std::string default_state_directory();

// The directory of the running program.
std::string program_directory();

} // namespace zped
