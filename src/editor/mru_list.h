// The most-recently-used file list: five names, newest first, stored in section "Files".
#pragma once

#include <array>
#include <string>

namespace zped {

class Settings;

inline constexpr int kMruEntries = 5;

class MruList {
  public:
    // Puts a name at the front; an equal entry moves there, otherwise the last drops out.
    void add(const std::string& name);
    const std::string& entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    void load(const Settings& settings);
    void save(Settings& settings) const;
    // "&%d %s" with the path shortened to `room` characters: its first (room - 10, at least 3)
    // characters, "...\" and the file's name.
    std::string menu_label(int index, std::size_t room = 40) const;

  private:
    std::array<std::string, kMruEntries> entries_;
};

std::string shortened_path(const std::string& path, std::size_t room);

} // namespace zped
