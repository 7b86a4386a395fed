// The driver of the generated LALR(1) parser: the token stream, the syntax-error hook and the
// debug trace.
#include "import/vhdl_parser.h"

#include "vhdl_grammar.hpp"

#include <sstream>
#include <streambuf>

namespace zeph::vhdl {

namespace grammar {

Parser::symbol_type yylex(ParseActions& act) {
    Token t = act.next_token();
    Span at{t.begin, t.end};
    switch (t.kind) {
#define ZEPH_WORD(name, v93)                                                                       \
    case Tok::T_##name:                                                                            \
        return Parser::symbol_type(Parser::token::TOK_##name, at);
#define ZEPH_TOKEN(name)                                                                           \
    case Tok::T_##name:                                                                            \
        return Parser::symbol_type(Parser::token::TOK_##name, at);
#include "import/vhdl_tokens.def"
#undef ZEPH_WORD
#undef ZEPH_TOKEN
    case Tok::T_EOF:
        break;
    }
    return Parser::make_YYEOF(at);
}

void Parser::error(const location_type& at, const std::string& /*message*/) {
    act.syntax_error(at);
}

} // namespace grammar

namespace {
// Sends the parser's trace lines to the import log as they are written.
class LogStreamBuffer : public std::streambuf {
  public:
    explicit LogStreamBuffer(ImportLog& log) : log_(log) {}

  protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) {
            char ch = static_cast<char>(c);
            log_.write(std::string_view(&ch, 1));
        }
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        log_.write(std::string_view(s, static_cast<std::size_t>(n)));
        return n;
    }

  private:
    ImportLog& log_;
};
} // namespace

ParsedFile parse_vhdl(const SourceText& source, ImportLog& log, const ParseOptions& options) {
    ParseActions actions(source, log, options);
    grammar::Parser parser(actions);
    LogStreamBuffer trace_buffer(log);
    std::ostream trace(&trace_buffer);
    if (options.debug_level >= 2) {
        parser.set_debug_stream(trace);
        parser.set_debug_level(1);
    }
    parser.parse();
    actions.finish();
    return actions.take_result();
}

} // namespace zeph::vhdl
