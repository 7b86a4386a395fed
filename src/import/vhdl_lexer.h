// The VHDL lexer: splits a source text into tokens (reserved words, identifiers, literals and
// delimiters), each with its byte span. Lines starting with "#" are skipped; malformed
// literals and identifiers are reported and still returned, so that parsing goes on.
#pragma once

#include "import/source_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zeph::vhdl {

enum class Tok : std::uint8_t {
#define ZEPH_WORD(name, vhdl93) T_##name,
#define ZEPH_TOKEN(name) T_##name,
#include "import/vhdl_tokens.def"
#undef ZEPH_WORD
#undef ZEPH_TOKEN
    T_EOF
};

// Identifier and literal texts hold at most this many characters where they are stored.
inline constexpr std::size_t kTokenTextLimit = 32;

struct Token {
    Tok kind = Tok::T_EOF;
    std::uint32_t begin = 0; // byte offsets into the source text
    std::uint32_t end = 0;
};

// Where the lexer's messages go; `offset` is the start of the offending text.
class LexerMessages {
  public:
    virtual ~LexerMessages() = default;
    virtual void lexical_error(std::uint32_t offset, const std::string& message) = 0;
};

bool is_reserved_word(Tok kind);
// The reserved word of a text (any case), or T_IDENTIFIER; VHDL 93 words only when asked for.
Tok reserved_word_token(std::string_view text, bool vhdl93);

class Lexer {
  public:
    // `messages` may be null (no reports).
    Lexer(const SourceText& source, bool vhdl93, LexerMessages* messages);

    Token next();
    // Restricts lexing to a part of the text (used to turn a span back into text).
    void restrict_to(std::uint32_t begin, std::uint32_t end);

  private:
    void skip_blanks_and_comments();
    Token identifier();
    Token extended_identifier();
    Token abstract_literal();
    Token bit_string();
    Token string_literal(char quote);
    Token character_or_tick();
    Token delimiter();
    Token make(Tok kind, std::uint32_t begin) const { return {kind, begin, pos_}; }
    void report(std::uint32_t offset, const std::string& message);
    std::string_view text_from(std::uint32_t begin) const;
    bool at_line_end() const;

    const SourceText& source_;
    std::string_view text_;
    std::uint32_t pos_ = 0;
    std::uint32_t end_ = 0;
    bool vhdl93_;
    LexerMessages* messages_;
    Tok previous_ = Tok::T_EOF;
};

} // namespace zeph::vhdl
