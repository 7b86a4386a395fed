// The VHDL lexer.
#include "import/vhdl_lexer.h"

#include "foundation/strings.h"
#include "import/import_texts.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zeph::vhdl {

namespace {

struct WordEntry {
    std::string_view upper;
    Tok kind;
    bool vhdl93;
};

constexpr std::array kWordList = {
#define ZEPH_WORD(name, v93) WordEntry{#name, Tok::T_##name, v93 != 0},
#define ZEPH_TOKEN(name)
#include "import/vhdl_tokens.def"
#undef ZEPH_WORD
#undef ZEPH_TOKEN
};

constexpr auto sorted_words() {
    auto words = kWordList;
    std::sort(words.begin(), words.end(),
              [](const WordEntry& a, const WordEntry& b) { return a.upper < b.upper; });
    return words;
}
constexpr auto kWords = sorted_words();
constexpr std::size_t kLongestWord = 13; // "CONFIGURATION", "ARCHITECTURE"

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_extended_digit(char c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool is_blank(char c) {
    // Form feed and vertical tab are format effectors of VHDL; Ctrl-Z reads as a blank.
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1a' || c == '\f' || c == '\v';
}

// Digits of a literal part with single underscores between them.
bool well_formed_digits(std::string_view digits, bool (*is_valid)(char)) {
    if (digits.empty() || digits.front() == '_' || digits.back() == '_') return false;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        char c = digits[i];
        if (c == '_') {
            if (digits[i + 1] == '_') return false;
        } else if (!is_valid(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool is_reserved_word(Tok kind) {
    return kind < Tok::T_IDENTIFIER;
}

Tok reserved_word_token(std::string_view text, bool vhdl93) {
    if (text.size() < 2 || text.size() > kLongestWord) return Tok::T_IDENTIFIER;
    char upper[kLongestWord];
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::string_view key(upper, text.size());
    auto it = std::lower_bound(kWords.begin(), kWords.end(), key,
                               [](const WordEntry& e, std::string_view k) { return e.upper < k; });
    if (it == kWords.end() || it->upper != key) return Tok::T_IDENTIFIER;
    if (it->vhdl93 && !vhdl93) return Tok::T_IDENTIFIER;
    return it->kind;
}

Lexer::Lexer(const SourceText& source, bool vhdl93, LexerMessages* messages)
    : source_(source), text_(source.text()), end_(source.size()), vhdl93_(vhdl93),
      messages_(messages) {
    // Editors on Windows often start a UTF-8 file with a byte order mark; it is no token.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

void Lexer::restrict_to(std::uint32_t begin, std::uint32_t end) {
    pos_ = std::min(begin, source_.size());
    end_ = std::min(end, source_.size());
    previous_ = Tok::T_EOF;
}

void Lexer::report(std::uint32_t offset, const std::string& message) {
    if (messages_ != nullptr) messages_->lexical_error(offset, message);
}

std::string_view Lexer::text_from(std::uint32_t begin) const {
    return text_.substr(begin, pos_ - begin);
}

bool Lexer::at_line_end() const {
    return pos_ >= end_ || text_[pos_] == '\n' || text_[pos_] == '\r';
}

void Lexer::skip_blanks_and_comments() {
    while (pos_ < end_) {
        char c = text_[pos_];
        // A line whose first character is "#" is not VHDL at all (preprocessor remains).
        if (c == '#' && (pos_ == 0 || text_[pos_ - 1] == '\n')) {
            const void* nl = std::memchr(text_.data() + pos_, '\n', end_ - pos_);
            pos_ = nl ? static_cast<std::uint32_t>(static_cast<const char*>(nl) - text_.data()) + 1
                      : end_;
        } else if (is_blank(c)) {
            ++pos_;
        } else if (c == '-' && pos_ + 1 < end_ && text_[pos_ + 1] == '-') {
            const void* nl = std::memchr(text_.data() + pos_, '\n', end_ - pos_);
            pos_ =
                nl ? static_cast<std::uint32_t>(static_cast<const char*>(nl) - text_.data()) : end_;
        } else {
            return;
        }
    }
}

Token Lexer::next() {
    for (;;) {
        skip_blanks_and_comments();
        if (pos_ >= end_) return {Tok::T_EOF, end_, end_};
        char c = text_[pos_];
        Token token;
        if (is_letter(c)) {
            char n = pos_ + 1 < end_ ? text_[pos_ + 1] : '\0';
            bool base_letter = c == 'b' || c == 'B' || c == 'o' || c == 'O' || c == 'x' || c == 'X';
            token = base_letter && (n == '"' || n == '%') ? bit_string() : identifier();
        } else if (is_digit(c)) {
            token = abstract_literal();
        } else if (c == '"' || c == '%') {
            token = string_literal(c);
        } else if (c == '\'') {
            token = character_or_tick();
        } else if (c == '\\' && vhdl93_) {
            token = extended_identifier();
        } else if (c == '#') {
            report(pos_, text::kHashNotAllowed);
            ++pos_;
            continue;
        } else {
            token = delimiter();
            if (token.kind == Tok::T_EOF) {
                report(pos_, format_text(text::kUnknownItem, c,
                                         static_cast<unsigned>(static_cast<unsigned char>(c))));
                ++pos_;
                continue;
            }
        }
        previous_ = token.kind;
        return token;
    }
}

Token Lexer::identifier() {
    std::uint32_t begin = pos_;
    bool correct = true;
    while (pos_ < end_) {
        char c = text_[pos_];
        if (is_letter(c) || is_digit(c)) {
            ++pos_;
        } else if (c == '_') {
            if (text_[pos_ - 1] == '_') correct = false;
            ++pos_;
        } else {
            break;
        }
    }
    std::string_view word = text_from(begin);
    Tok kind = reserved_word_token(word, vhdl93_);
    if (kind == Tok::T_IDENTIFIER && (!correct || word.back() == '_'))
        report(begin, format_text(text::kBadIdentifier, std::string(word).c_str()));
    return make(kind, begin);
}

// VHDL 93 extended identifiers: \any graphic characters\ with "\\" for a backslash.
Token Lexer::extended_identifier() {
    std::uint32_t begin = pos_++;
    while (!at_line_end()) {
        if (text_[pos_++] != '\\') continue;
        if (pos_ < end_ && text_[pos_] == '\\') {
            ++pos_;
            continue;
        }
        return make(Tok::T_IDENTIFIER, begin);
    }
    report(begin, format_text(text::kBadIdentifier, std::string(text_from(begin)).c_str()));
    return make(Tok::T_IDENTIFIER, begin);
}

Token Lexer::abstract_literal() {
    std::uint32_t begin = pos_;
    auto digits_while = [&](bool (*accept)(char)) {
        std::uint32_t from = pos_;
        while (pos_ < end_ && (accept(text_[pos_]) || text_[pos_] == '_'))
            ++pos_;
        return text_.substr(from, pos_ - from);
    };
    bool correct = well_formed_digits(digits_while(is_digit), is_digit);
    char c = pos_ < end_ ? text_[pos_] : '\0';
    if (c == '#' || c == ':') {
        // A based literal; ":" stands for "#" when "#" is not available. "a:" followed by
        // something that is no extended digit is a decimal literal and a colon.
        char n = pos_ + 1 < end_ ? text_[pos_ + 1] : '\0';
        if (c == '#' || is_extended_digit(n)) {
            char mark = c;
            ++pos_;
            correct =
                well_formed_digits(digits_while(is_extended_digit), is_extended_digit) && correct;
            if (pos_ < end_ && text_[pos_] == '.') {
                ++pos_;
                correct = well_formed_digits(digits_while(is_extended_digit), is_extended_digit) &&
                          correct;
            }
            if (pos_ < end_ && text_[pos_] == mark) {
                ++pos_;
            } else {
                correct = false;
            }
        }
    } else if (c == '.' && pos_ + 1 < end_ && is_digit(text_[pos_ + 1])) {
        ++pos_;
        correct = well_formed_digits(digits_while(is_digit), is_digit) && correct;
    } else if (c == '.') {
        // "1." is malformed; the dot stays part of it so that the literal is reported whole.
        ++pos_;
        correct = false;
    }
    if (pos_ < end_ && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        std::uint32_t mark = pos_++;
        if (pos_ < end_ && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
        if (pos_ < end_ && is_digit(text_[pos_])) {
            correct = well_formed_digits(digits_while(is_digit), is_digit) && correct;
        } else {
            pos_ = mark + 1;
            correct = false;
        }
    }
    if (!correct)
        report(begin,
               format_text(text::kBadAbstractLiteral, std::string(text_from(begin)).c_str()));
    return make(Tok::T_ABSTRACT_LITERAL, begin);
}

Token Lexer::bit_string() {
    std::uint32_t begin = pos_;
    char base = static_cast<char>(text_[pos_] | 0x20);
    char quote = text_[pos_ + 1];
    pos_ += 2;
    std::uint32_t digits_begin = pos_;
    while (!at_line_end() && text_[pos_] != quote)
        ++pos_;
    bool closed = !at_line_end();
    std::string_view digits = text_.substr(digits_begin, pos_ - digits_begin);
    if (closed) ++pos_;
    bool (*valid)(char) = base == 'b'   ? [](char c) { return c == '0' || c == '1'; }
                          : base == 'o' ? [](char c) { return c >= '0' && c <= '7'; }
                                        : is_extended_digit;
    if (!closed || !well_formed_digits(digits, valid))
        report(begin, format_text(text::kBadBitString, std::string(text_from(begin)).c_str()));
    return make(Tok::T_BIT_STRING, begin);
}

Token Lexer::string_literal(char quote) {
    std::uint32_t begin = pos_++;
    while (!at_line_end()) {
        if (text_[pos_++] != quote) continue;
        if (pos_ < end_ && text_[pos_] == quote) {
            ++pos_; // a doubled quote stands for one
            continue;
        }
        return make(Tok::T_STRING, begin);
    }
    report(begin, format_text(text::kUnterminatedString, std::string(text_from(begin)).c_str()));
    return make(Tok::T_STRING, begin);
}

Token Lexer::character_or_tick() {
    std::uint32_t begin = pos_;
    // After a name or a closing parenthesis a quote is an attribute tick ("t'('0')" is a
    // qualified expression, not the character literal '(').
    bool after_name =
        previous_ == Tok::T_IDENTIFIER || previous_ == Tok::T_RPAREN || previous_ == Tok::T_ALL;
    if (!after_name && pos_ + 2 < end_ && text_[pos_ + 2] == '\'' && text_[pos_ + 1] != '\n') {
        pos_ += 3;
        return make(Tok::T_CHARACTER, begin);
    }
    ++pos_;
    return make(Tok::T_TICK, begin);
}

Token Lexer::delimiter() {
    std::uint32_t begin = pos_;
    char c = text_[pos_];
    char n = pos_ + 1 < end_ ? text_[pos_ + 1] : '\0';
    auto two = [&](Tok kind) {
        pos_ += 2;
        return make(kind, begin);
    };
    auto one = [&](Tok kind) {
        pos_ += 1;
        return make(kind, begin);
    };
    switch (c) {
    case '&':
        return one(Tok::T_AMP);
    case '(':
        return one(Tok::T_LPAREN);
    case ')':
        return one(Tok::T_RPAREN);
    case '*':
        return n == '*' ? two(Tok::T_POW) : one(Tok::T_STAR);
    case '+':
        return one(Tok::T_PLUS);
    case ',':
        return one(Tok::T_COMMA);
    case '-':
        return one(Tok::T_MINUS);
    case '.':
        return one(Tok::T_DOT);
    case '/':
        return n == '=' ? two(Tok::T_NE) : one(Tok::T_SLASH);
    case ':':
        return n == '=' ? two(Tok::T_ASSIGN) : one(Tok::T_COLON);
    case ';':
        return one(Tok::T_SEMI);
    case '<':
        return n == '=' ? two(Tok::T_LE) : n == '>' ? two(Tok::T_BOX) : one(Tok::T_LT);
    case '=':
        return n == '>' ? two(Tok::T_ARROW) : one(Tok::T_EQ);
    case '>':
        return n == '=' ? two(Tok::T_GE) : one(Tok::T_GT);
    case '|':
    case '!':
        return one(Tok::T_BAR);
    default:
        return {Tok::T_EOF, begin, begin};
    }
}

} // namespace zeph::vhdl
