// Scans of HDL files for the meta comment and the architecture and process lines.
#include "hdl/hdl_file_scan.h"

#include "foundation/strings.h"
#include "hdl/hdl_file_markers.h"

#include <optional>
#include <vector>

namespace zeph {

namespace {
constexpr std::size_t kPieceLength = 4095; // a read buffer of 4096 with its terminator

struct Line {
    std::size_t start = 0;
    std::size_t end = 0; // past the newline, when there is one
    std::string_view text;
};

// The file's lines from an offset, as a reader with a 4096-byte buffer sees them.
class Lines {
  public:
    Lines(std::string_view file, std::size_t from) : file_(file), at_(from) {}
    std::optional<Line> next() {
        if (at_ >= file_.size()) return std::nullopt;
        std::size_t limit = std::min(file_.size(), at_ + kPieceLength);
        std::size_t newline = file_.find('\n', at_);
        std::size_t end =
            newline != std::string_view::npos && newline < limit ? newline + 1 : limit;
        Line line{at_, end, file_.substr(at_, end - at_)};
        at_ = end;
        return line;
    }

  private:
    std::string_view file_;
    std::size_t at_;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && is_blank(text[i]))
            ++i;
        std::size_t start = i;
        while (i < text.size() && !is_blank(text[i]))
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string_view word_at(const std::vector<std::string_view>& words, std::size_t index) {
    return index < words.size() ? words[index] : std::string_view();
}

std::string_view cut_at(std::string_view word, char stop) {
    return word.substr(0, word.find(stop));
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// "end x", "end architecture x;", "END PROCESS x ;": the name after "end" and the optional
// keyword, cut at ";".
bool is_end_line(std::string_view text, std::string_view keyword, std::string_view name,
                 bool ignore_case) {
    auto words = words_of(text);
    std::string_view first = word_at(words, 0);
    if (ignore_case ? !equal_ignoring_case(first, "end") : first != "end") return false;
    std::string_view next = word_at(words, 1);
    if (equal_ignoring_case(next, keyword)) next = word_at(words, 2);
    return cut_at(next, ';') == name;
}

// A line with "//" followed (after blanks) by the label.
bool names_label_in_comment(std::string_view text, std::string_view label) {
    for (std::size_t at = text.find("//"); at != std::string_view::npos;
         at = text.find("//", at + 1)) {
        std::size_t i = at + 2;
        while (i < text.size() && is_blank(text[i]))
            ++i;
        std::size_t start = i;
        while (i < text.size() && !is_blank(text[i]))
            ++i;
        if (text.substr(start, i - start) == label) return true;
    }
    return false;
}

// The word before the marker: back over blanks and "/", then to the blank or ":" before it.
std::string_view label_before(std::string_view text, std::size_t marker) {
    std::size_t end = marker;
    while (end > 0 && (is_blank(text[end - 1]) || text[end - 1] == '/'))
        --end;
    std::size_t start = end;
    while (start > 0 && !is_blank(text[start - 1]) && text[start - 1] != ':')
        --start;
    return text.substr(start, end - start);
}

// Starts a region scan: the meta comment of the language and where the user's part starts.
RegionScan begin_scan(std::string_view file, int language) {
    RegionScan scan;
    scan.size = file.size();
    MetaCommentScan meta = scan_meta_comment(file, language);
    scan.error = meta.error;
    scan.user_start = meta.user_start();
    return scan;
}
} // namespace

MetaCommentScan scan_meta_comment(std::string_view file, int language) {
    MetaCommentScan scan;
    Lines lines(file, 0);
    while (auto line = lines.next()) {
        if (!scan.found) {
            if (!contains(line->text, meta_start_marker(language))) continue;
            scan.found = true;
            scan.start = line->start;
        } else if (contains(line->text, meta_end_marker(language))) {
            scan.end = line->end;
            return scan;
        }
    }
    if (scan.found) scan.error = "Missing end of meta comment";
    return scan;
}

RegionScan scan_architecture(std::string_view file, std::string_view entity_name) {
    RegionScan scan = begin_scan(file, 1);
    if (!scan.ok()) return scan;
    Lines lines(file, scan.user_start);
    bool started = false;
    while (auto line = lines.next()) {
        if (!started) {
            auto words = words_of(line->text);
            if (!equal_ignoring_case(word_at(words, 0), "architecture") ||
                word_at(words, 3) != entity_name)
                continue;
            started = true;
            scan.name = word_at(words, 1);
            scan.heading_start = line->start;
            scan.heading_end = line->end;
        } else if (is_end_line(line->text, "architecture", scan.name, true)) {
            scan.end_start = line->start;
            scan.end_end = line->end;
            return scan;
        }
    }
    scan.error = started ? "Missing architecture end line" : "Missing architecture start line";
    return scan;
}

RegionScan scan_process(std::string_view file) {
    RegionScan scan = begin_scan(file, 1);
    if (!scan.ok()) return scan;
    enum { Heading, HeadingEnd, End } state = Heading;
    Lines lines(file, scan.user_start);
    while (auto line = lines.next()) {
        std::string_view text = line->text;
        if (state == Heading) {
            std::size_t colon = text.find(':');
            if (colon == std::string_view::npos) continue;
            auto after = words_of(text.substr(colon + 1));
            if (!equal_ignoring_case(cut_at(word_at(after, 0), '('), "process")) continue;
            scan.name = cut_at(word_at(words_of(text), 0), ':');
            scan.heading_start = line->start;
            state = HeadingEnd;
        }
        if (state == HeadingEnd) {
            if (!contains(text, heading_end_marker(1))) continue;
            scan.heading_end = line->end;
            state = End;
            continue;
        }
        if (is_end_line(text, "process", scan.name, true)) {
            scan.end_start = line->start;
            scan.end_end = line->end;
            return scan;
        }
    }
    if (state == Heading)
        scan.error = "Missing process heading";
    else if (state == HeadingEnd)
        scan.error = "\nMissing process header end ('-- ZEPH/VHDL sens.list')";
    else
        scan.error = "Missing process end line";
    return scan;
}

RegionScan scan_always(std::string_view file) {
    RegionScan scan = begin_scan(file, 2);
    if (!scan.ok()) return scan;
    enum { Heading, HeadingEnd, End } state = Heading;
    Lines lines(file, scan.user_start);
    while (auto line = lines.next()) {
        std::string_view text = line->text;
        if (state == Heading) {
            std::string_view first = word_at(words_of(text), 0);
            if (first != "always" && first.substr(0, 7) != "always@") continue;
            scan.heading_start = line->start;
            state = HeadingEnd;
        }
        if (state == HeadingEnd) {
            std::size_t marker = text.find(heading_end_marker(2));
            if (marker == std::string_view::npos || !contains(text, ":")) continue;
            scan.name = label_before(text, marker);
            scan.heading_end = line->end;
            state = End;
            continue;
        }
        if (word_at(words_of(text), 0) == "end" && names_label_in_comment(text, scan.name)) {
            scan.end_start = line->start;
            scan.end_end = line->end;
            return scan;
        }
    }
    if (state == Heading)
        scan.error = "Missing 'always' heading";
    else if (state == HeadingEnd)
        scan.error = "Missing 'always' heading end";
    else
        scan.error = "Missing 'always' end line";
    return scan;
}

} // namespace zeph
