// Parsing and writing of INI text.
#include "editor/ini_file.h"

namespace zped {

namespace {
std::string_view trim(std::string_view text) {
    std::size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string_view::npos) return {};
    std::size_t to = text.find_last_not_of(" \t\r");
    return text.substr(from, to - from + 1);
}

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}
} // namespace

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    ini.sections_.push_back({});
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view raw =
            text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        std::string_view line = trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
            ini.sections_.push_back({std::string(trim(line.substr(1, line.find(']') - 1))), {}});
            continue;
        }
        Line entry;
        entry.raw = std::string(raw);
        std::size_t eq = line.find('=');
        if (!line.empty() && line.front() != ';' && line.front() != '#' &&
            eq != std::string_view::npos && eq > 0) {
            entry.key = std::string(trim(line.substr(0, eq)));
            entry.value = std::string(trim(line.substr(eq + 1)));
        }
        ini.sections_.back().lines.push_back(std::move(entry));
    }
    return ini;
}

IniFile::Section* IniFile::find(std::string_view name) {
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (equal_ignoring_case(sections_[i].name, name)) return &sections_[i];
    return nullptr;
}

const IniFile::Section* IniFile::find(std::string_view name) const {
    return const_cast<IniFile*>(this)->find(name);
}

bool IniFile::has_section(std::string_view section) const {
    return find(section) != nullptr;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    if (!s) return std::nullopt;
    for (const Line& line : s->lines) {
        if (line.key.empty() || !equal_ignoring_case(line.key, key)) continue;
        std::string value = line.value;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    if (sections_.empty()) sections_.push_back({});
    Section* s = find(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    for (Line& line : s->lines)
        if (!line.key.empty() && equal_ignoring_case(line.key, key)) {
            line.value = std::string(value);
            line.raw.clear();
            return;
        }
    // New keys go after the last key of the section, before trailing blank lines.
    auto at = s->lines.end();
    while (at != s->lines.begin() && std::prev(at)->key.empty() && trim(std::prev(at)->raw).empty())
        --at;
    s->lines.insert(at, Line{std::string(key), std::string(value), {}});
}

std::string IniFile::text() const {
    std::string out;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        if (i > 0) out += "[" + s.name + "]\n";
        for (const Line& line : s.lines) {
            if (line.key.empty() || !line.raw.empty())
                out += line.raw;
            else
                out += line.key + "=" + line.value;
            out += "\n";
        }
    }
    return out;
}

} // namespace zped
