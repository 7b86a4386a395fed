// The table of six language definitions: read from the settings file (section "Languages" names
// languages 1 to 5, each has a section of its own, entry 0 comes from section "None") with their
// specification files, written back with the settings, and asked which language a file is in.
#pragma once

#include "editor/language.h"

#include <array>
#include <string>
#include <string_view>

namespace zped {

class StartupErrors;

inline constexpr int kLanguageCount = 6;

class LanguageTable {
  public:
    LanguageTable();

    // Reads every entry and its specification file; a file that cannot be opened is start-up
    // error 2 ("Language Options File") and leaves the entry without keywords.
    void load(const Settings& settings, StartupErrors& errors);
    void save(Settings& settings) const;

    // Reads the keywords and expanders of one entry from its specification file again.
    void read_specification(int index, const Settings& settings, StartupErrors& errors);

    // The language of a file: entries 1 to 5 by their extension lists, else entry 0.
    int choose(std::string_view file_name) const;

    const Language& entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    Language& entry(int index) { return entries_[static_cast<std::size_t>(index)]; }

    // A new entry with default values in the first free slot 1 to 5; -1 when the table is full
    // or the name is empty or taken.
    int add(const std::string& name);
    // Empties entry 1 to 5; entry 0 always stays.
    bool remove(int index);

  private:
    std::array<Language, kLanguageCount> entries_;
};

// The extension list rule: an item followed by a comma matches every extension that begins with
// it, the last item only an equal extension.
bool extension_matches(std::string_view list, std::string_view extension);

// Where a file named in the settings is read: path variables expanded, and a relative name
// taken from the settings file's directory. Empty when a variable has no value.
std::string settings_file_path(const Settings& settings, const std::string& value);

} // namespace zped
