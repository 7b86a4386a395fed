// Any bytes through the VHDL lexer, as VHDL 87 and as VHDL 93: tokens stay inside the text,
// move forward, and every reported offset lies within the text.
#include "import/source_text.h"
#include "import/vhdl_lexer.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace zeph::vhdl;

struct Checked : LexerMessages {
    std::uint32_t size = 0;
    void lexical_error(std::uint32_t offset, const std::string& message) override {
        if (offset > size || message.empty()) std::abort();
    }
};

void lex_all(const SourceText& source, bool vhdl93) {
    Checked messages;
    messages.size = source.size();
    Lexer lexer(source, vhdl93, &messages);
    std::uint32_t last_end = 0;
    for (Token t = lexer.next(); t.kind != Tok::T_EOF; t = lexer.next()) {
        if (t.begin < last_end || t.end <= t.begin || t.end > source.size()) std::abort();
        last_end = t.end;
        if (source.line_start(t.begin) > t.begin || source.line_end(t.begin) <= t.begin)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SourceText source(std::string(reinterpret_cast<const char*>(data), size));
    lex_all(source, false);
    lex_all(source, true);
    return 0;
}
