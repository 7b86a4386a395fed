// Splits the input into buffer lines as loading does, whole and fed in pieces as a file is read,
// then edits, pastes, undoes and redoes on that text: the lines must respect the limit, the
// split must keep every byte but the line ends whatever the pieces, and undoing everything must
// give the loaded text back.
#include "editor/apply_edit.h"
#include "editor/edit_buffer.h"
#include "editor/editing.h"
#include "editor/file_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

std::string without_line_ends(std::string_view data) {
    std::string kept;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\n') continue;
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') continue;
        kept += data[i];
    }
    return kept;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = zped::split_file_text(bytes);
    std::string joined;
    for (const std::string& l : lines) {
        check(l.size() <= zped::kLoadChunk);
        joined += l;
    }
    check(joined == without_line_ends(bytes));

    // The same split from pieces of the input, as a file arrives in blocks.
    std::vector<std::string> streamed;
    zped::LineSplitter splitter;
    auto keep = [&](std::string_view line) {
        streamed.emplace_back(line);
        return true;
    };
    std::string pending;
    std::size_t piece = size > 0 ? 1 + data[0] % 300 : 1;
    for (std::size_t at = 0; at < size; at += piece) {
        pending.append(bytes.substr(at, piece));
        pending.erase(0, splitter.split(pending, false, keep));
    }
    splitter.split(pending, true, keep);
    splitter.finish(keep);
    check(streamed == lines);

    zped::EditBuffer buffer;
    buffer.set_lines(std::move(lines));
    zped::InitHistory(buffer);
    std::string loaded = buffer.text_between({0, 0}, buffer.end_of_text());
    // Use the input a second time as a list of edits.
    for (std::size_t i = 0; i + 3 < size && i < 64 * 4; i += 4) {
        int line = data[i] % buffer.line_count();
        zped::TextPosition from{line, data[i + 1] % (buffer.line_length(line) + 1)};
        zped::TextPosition to = from;
        if (data[i + 2] & 1) to = buffer.next_position(from);
        std::string text(static_cast<std::size_t>(data[i + 3] % 5),
                         static_cast<char>(data[i + 3] % 3 == 0 ? '\n' : 'a' + data[i + 3] % 26));
        if (data[i + 2] & 4) {
            // A paste of a piece of the input itself, long lines and all.
            buffer.cursor = from;
            buffer.has_selection = false;
            zped::paste_text(buffer, bytes.substr(i, static_cast<std::size_t>(data[i + 3]) * 2));
        } else {
            zped::ApplyEdit(buffer, from, to, text, from, {},
                            zped::SelectionRequest::empty_at(from));
        }
        if (data[i + 2] & 2) zped::UndoEdit(buffer);
        check(buffer.invariants_hold(0, buffer.line_count()));
    }
    while (zped::UndoEdit(buffer) == 0) {
    }
    check(buffer.text_between({0, 0}, buffer.end_of_text()) == loaded);
    return 0;
}
