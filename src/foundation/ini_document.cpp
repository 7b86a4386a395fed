// Reading, editing and writing INI files line by line.
#include "foundation/ini_document.h"

#include "foundation/strings.h"

#include <unordered_set>

namespace zeph {

namespace {

// Built by appending: GCC 12 at -O3 warns falsely about `"[" + std::string(...)`.
std::string joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string s;
    s.reserve(a.size() + b.size() + c.size());
    s.append(a);
    s.append(b);
    s.append(c);
    return s;
}

std::string one_line(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\n') c = ' ';
    return s;
}
} // namespace

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

IniDocument::Line IniDocument::classify(std::string_view raw) {
    Line line;
    line.raw = std::string(raw);
    std::string_view t = trim_blanks(raw);
    if (t.empty()) {
        line.kind = Kind::Blank;
    } else if (t.front() == ';' || t.front() == '#') {
        line.kind = Kind::Comment;
    } else if (t.front() == '[' && t.find(']') != std::string_view::npos) {
        line.kind = Kind::Section;
        line.name = std::string(trim_blanks(t.substr(1, t.find(']') - 1)));
    } else if (std::size_t eq = t.find('=');
               eq != std::string_view::npos && eq > 0 && !trim_blanks(t.substr(0, eq)).empty()) {
        line.kind = Kind::Key;
        line.name = std::string(trim_blanks(t.substr(0, eq)));
        line.value = std::string(trim_blanks(t.substr(eq + 1)));
    } else {
        line.kind = Kind::Damaged;
    }
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view raw = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        while (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        doc.lines_.push_back(classify(raw));
        if (doc.lines_.back().kind == Kind::Damaged) doc.damaged_.push_back(doc.lines_.size());
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

std::optional<IniDocument::Range> IniDocument::section_range(std::string_view section) const {
    std::optional<Range> range;
    if (section.empty()) range = Range{0, lines_.size()};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section) continue;
        if (range) {
            range->end = i;
            return range;
        }
        if (equal_ignoring_case(lines_[i].name, section)) range = Range{i + 1, lines_.size()};
    }
    return range;
}

std::optional<std::size_t> IniDocument::find_key(Range range, std::string_view key) const {
    for (std::size_t i = range.begin; i < range.end; ++i)
        if (lines_[i].kind == Kind::Key && equal_ignoring_case(lines_[i].name, key)) return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
    std::optional<Range> range = section_range(section);
    if (!range) return std::nullopt;
    std::optional<std::size_t> at = find_key(*range, key);
    if (!at) return std::nullopt;
    return lines_[*at].value;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string v = one_line(value);
    std::optional<Range> range = section_range(section);
    if (range) {
        if (std::optional<std::size_t> at = find_key(*range, key)) {
            Line& line = lines_[*at];
            line.value = std::string(trim_blanks(v));
            line.raw = joined(line.name, "=", v);
            return;
        }
        // After the last line that is not blank, so a blank line before the next header stays.
        std::size_t insert = range->end;
        while (insert > range->begin && lines_[insert - 1].kind == Kind::Blank)
            --insert;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert),
                      classify(joined(key, "=", v)));
        for (std::size_t& d : damaged_)
            if (d > insert) ++d;
        return;
    }
    if (blank_before_sections_ && !lines_.empty() && lines_.back().kind != Kind::Blank)
        lines_.push_back(classify(""));
    lines_.push_back(classify(joined("[", section, "]")));
    lines_.push_back(classify(joined(key, "=", v)));
}

void IniDocument::remove(std::string_view section, std::string_view key) {
    std::optional<Range> range = section_range(section);
    if (!range) return;
    for (std::size_t i = range->end; i-- > range->begin;) {
        if (lines_[i].kind != Kind::Key || !equal_ignoring_case(lines_[i].name, key)) continue;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        for (std::size_t& d : damaged_)
            if (d > i + 1) --d;
    }
}

std::vector<std::pair<std::string, std::string>>
IniDocument::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    std::optional<Range> range = section_range(section);
    if (!range) return out;
    std::unordered_set<std::string> seen;
    for (std::size_t i = range->begin; i < range->end; ++i) {
        const Line& line = lines_[i];
        if (line.kind != Kind::Key) continue;
        if (seen.insert(to_lower_ascii(line.name)).second) out.emplace_back(line.name, line.value);
    }
    return out;
}

std::vector<std::pair<std::string, std::string>>
IniDocument::key_lines(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    std::optional<Range> range = section_range(section);
    if (!range) return out;
    for (std::size_t i = range->begin; i < range->end; ++i)
        if (lines_[i].kind == Kind::Key) out.emplace_back(lines_[i].name, lines_[i].value);
    return out;
}

} // namespace zeph
