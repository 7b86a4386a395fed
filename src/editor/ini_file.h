// An INI settings file in memory: sections of key=value lines, looked up without regard to
// ASCII case as the profile services do; comments and unknown lines are kept when written back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

class IniFile {
  public:
    // Parses text; never fails (a line that is neither a section, a key nor a comment is kept
    // as it is).
    static IniFile parse(std::string_view text);

    // Value of a key, blanks around it removed and one pair of surrounding double quotes taken
    // off; nullopt when the section or key is missing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);
    bool has_section(std::string_view section) const;

    std::string text() const;

  private:
    struct Line {
        std::string key; // empty for comments and other kept lines
        std::string value;
        std::string raw;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };
    Section* find(std::string_view name);
    const Section* find(std::string_view name) const;

    std::vector<Section> sections_; // the first has an empty name: lines before any section
};

bool equal_ignoring_case(std::string_view a, std::string_view b);

} // namespace zped
