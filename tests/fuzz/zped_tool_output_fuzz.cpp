// Feeds the input as program output to the result window and every error parser (its first
// line names the compiled file), and as a command line to the word splitter. Lines stay within
// the editor's limit, entries follow the result lines in order without two neighbours for the
// same source line, and a quoted word splits back into itself.
#include "editor/command_words.h"
#include "editor/edit_buffer.h"
#include "editor/error_list.h"
#include "editor/program_run.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view file = text.substr(0, text.find('\n'));

    zped::EditBuffer window;
    window.set_lines({"", "title", "", ""});
    // In two pieces, as output arrives through the pipe.
    append_output(window, text.substr(0, size / 2));
    append_output(window, text.substr(size / 2));
    for (int i = 0; i < window.line_count(); ++i)
        check(window.line_length(i) <= zped::kMaxLineLength);

    using zped::ErrorParser;
    for (ErrorParser parser : {ErrorParser::Vsystem, ErrorParser::Leonardo, ErrorParser::Ghdl,
                               ErrorParser::Icarus, ErrorParser::Verilator}) {
        auto entries = zped::build_error_list(window, parser, file);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            check(entries[i].source_line > 0);
            check(entries[i].text == window.line(entries[i].result_line));
            if (i > 0) {
                check(entries[i].result_line > entries[i - 1].result_line);
                check(entries[i].source_line != entries[i - 1].source_line);
            }
        }
    }

    for (const std::string& word : zped::split_command_words(text)) {
        if (word.find('"') != std::string::npos) continue;
        auto again = zped::split_command_words(zped::quote_command_word(word));
        check(again.size() == 1 && again[0] == word);
    }
    return 0;
}
