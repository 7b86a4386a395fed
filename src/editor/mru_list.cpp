// The most-recently-used list and its menu labels.
#include "editor/mru_list.h"

#include "editor/settings.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

namespace zped {

void MruList::add(const std::string& name) {
    if (name.empty()) return;
    std::string kept = zeph::bounded(name, 255);
    std::size_t found = kMruEntries - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i] == kept) {
            found = i;
            break;
        }
    for (std::size_t i = found; i > 0; --i)
        entries_[i] = entries_[i - 1];
    entries_[0] = kept;
}

void MruList::load(const Settings& settings) {
    for (int i = 0; i < kMruEntries; ++i)
        entries_[static_cast<std::size_t>(i)] =
            settings.read_string("Files", zeph::format_text("LoadMRUFile%d", i + 1), "");
}

void MruList::save(Settings& settings) const {
    for (int i = 0; i < kMruEntries; ++i)
        settings.write_string("Files", zeph::format_text("LoadMRUFile%d", i + 1),
                              entries_[static_cast<std::size_t>(i)]);
}

std::string shortened_path(const std::string& path, std::size_t room) {
    if (path.size() <= room) return path;
    std::size_t keep = room > 13 ? room - 10 : 3;
    return path.substr(0, keep) + "...\\" + zeph::file_part(path);
}

std::string MruList::menu_label(int index, std::size_t room) const {
    return zeph::format_text("&%d %s", index + 1, shortened_path(entry(index), room).c_str());
}

} // namespace zped
