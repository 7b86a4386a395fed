// Laying out printed pages: tabs expanded, UTF-8 characters counted as one cell each, rows
// wrapped or cut at the right margin, and page breaks every `rows` rows.
#include "editor/print_pages.h"

#include "editor/mru_list.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zped {

namespace {

bool continues_character(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

int digits(int n) {
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

// Builds the rows of one line.
class RowBuilder {
  public:
    RowBuilder(int width, bool wrap, int tab_size, int number)
        : width_(std::max(width, 1)), wrap_(wrap), tab_size_(std::max(tab_size, 1)) {
        rows_.push_back({number, {}});
    }

    void add(std::string_view text, const StyledRun& style) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (cut_) return;
            char ch = text[i];
            if (continues_character(ch)) {
                if (span_) span_->text += ch;
                continue;
            }
            int cells = ch == '\t' ? tab_size_ - column_ % tab_size_ : 1;
            for (int c = 0; c < cells; ++c) {
                if (column_ == width_ && !next_row()) return;
                if (!span_ || span_->colour != style.colour || span_->typeface != style.typeface) {
                    rows_.back().spans.push_back({column_, "", style.colour, style.typeface});
                    span_ = &rows_.back().spans.back();
                }
                span_->text += ch == '\t' ? ' ' : ch;
                ++column_;
            }
        }
    }

    std::vector<PrintedRow> take() { return std::move(rows_); }

  private:
    bool next_row() {
        if (!wrap_) {
            cut_ = true;
            return false;
        }
        rows_.push_back({0, {}});
        span_ = nullptr;
        column_ = 0;
        return true;
    }

    int width_;
    bool wrap_;
    int tab_size_;
    int column_ = 0;
    bool cut_ = false;
    std::vector<PrintedRow> rows_;
    PrintedSpan* span_ = nullptr;
};

} // namespace

std::string header_right_text(const std::string& date, int page) {
    std::string number = zeph::format_text("Page:%d", page);
    return date.empty() ? number : date + "   " + number;
}

PrintedDocument lay_out_pages(const std::vector<std::string_view>& lines, int first_number,
                              const PageText& text, PageFrame frame, const LineStyler& styler) {
    PrintedDocument document;
    frame.columns = std::max(frame.columns, 8);
    frame.rows = std::max(frame.rows, 1);
    document.frame = frame;
    int last_number = first_number + static_cast<int>(lines.size()) - 1;
    document.number_columns = text.line_numbers ? digits(std::max(last_number, 1)) + 1 : 0;
    int width = std::max(frame.columns - document.number_columns, 1);

    std::vector<PrintedRow> rows;
    std::vector<StyledRun> runs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        runs.clear();
        if (styler) styler(line, runs);
        if (runs.empty() && !line.empty())
            runs.push_back({0, static_cast<int>(line.size()), Colour{}, 0});
        RowBuilder builder(width, text.wrap_lines, text.tab_size,
                           first_number + static_cast<int>(i));
        for (const StyledRun& run : runs) {
            auto start = static_cast<std::size_t>(std::clamp(run.start, 0, int(line.size())));
            auto length = static_cast<std::size_t>(std::max(run.length, 0));
            builder.add(line.substr(start, length), run);
        }
        for (PrintedRow& row : builder.take())
            rows.push_back(std::move(row));
    }

    std::size_t per_page = static_cast<std::size_t>(frame.rows);
    std::size_t page_count = std::max<std::size_t>(1, (rows.size() + per_page - 1) / per_page);
    // The file name takes what the right side leaves, with a gap of two cells.
    std::string widest_right = header_right_text(text.date, static_cast<int>(page_count));
    std::size_t room = static_cast<std::size_t>(
        std::max(frame.columns - static_cast<int>(widest_right.size()) - 2, 13));
    for (std::size_t p = 0; p < page_count; ++p) {
        PrintedPage page;
        page.number = static_cast<int>(p) + 1;
        if (!text.file_name.empty()) page.header_left = shortened_path(text.file_name, room);
        page.header_right = header_right_text(text.date, page.number);
        auto from = rows.begin() + static_cast<std::ptrdiff_t>(std::min(p * per_page, rows.size()));
        auto to =
            rows.begin() + static_cast<std::ptrdiff_t>(std::min((p + 1) * per_page, rows.size()));
        page.rows.assign(std::make_move_iterator(from), std::make_move_iterator(to));
        document.pages.push_back(std::move(page));
    }
    return document;
}

} // namespace zped
