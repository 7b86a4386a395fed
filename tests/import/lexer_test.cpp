// The VHDL lexer: token kinds and spans, the line rules and every lexer message.
#include "import/vhdl_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph::vhdl {
namespace {

struct Messages : LexerMessages {
    std::vector<std::string> texts;
    std::vector<std::uint32_t> offsets;
    void lexical_error(std::uint32_t offset, const std::string& message) override {
        offsets.push_back(offset);
        texts.push_back(message);
    }
};

struct Lexed {
    std::vector<Tok> kinds;
    std::vector<std::string> texts;
    Messages messages;
};

Lexed lex(const std::string& text, bool vhdl93 = false) {
    SourceText source(text);
    Lexed out;
    Lexer lexer(source, vhdl93, &out.messages);
    for (Token t = lexer.next(); t.kind != Tok::T_EOF; t = lexer.next()) {
        out.kinds.push_back(t.kind);
        out.texts.push_back(std::string(source.text().substr(t.begin, t.end - t.begin)));
    }
    return out;
}

TEST(Lexer, ReservedWordsInAnyCaseAndVhdl93WordsOnlyWhenAsked) {
    Lexed l = lex("Entity ENTITY entity xnor Shared");
    EXPECT_EQ(l.kinds, (std::vector<Tok>{Tok::T_ENTITY, Tok::T_ENTITY, Tok::T_ENTITY,
                                         Tok::T_IDENTIFIER, Tok::T_IDENTIFIER}));
    Lexed l93 = lex("xnor Shared group", true);
    EXPECT_EQ(l93.kinds, (std::vector<Tok>{Tok::T_XNOR, Tok::T_SHARED, Tok::T_GROUP}));
    EXPECT_EQ(reserved_word_token("configuration", false), Tok::T_CONFIGURATION);
    EXPECT_EQ(reserved_word_token("configurations", false), Tok::T_IDENTIFIER);
    EXPECT_EQ(reserved_word_token("a", false), Tok::T_IDENTIFIER);
}

TEST(Lexer, IdentifiersWithDoubledOrTrailingUnderscoresAreReportedAndReturned) {
    Lexed l = lex("a__b c_ d_e");
    EXPECT_EQ(l.kinds, (std::vector<Tok>{Tok::T_IDENTIFIER, Tok::T_IDENTIFIER, Tok::T_IDENTIFIER}));
    EXPECT_EQ(l.texts[0], "a__b");
    EXPECT_EQ(l.messages.texts, (std::vector<std::string>{"\"a__b\" is not a correct identifier",
                                                          "\"c_\" is not a correct identifier"}));
}

TEST(Lexer, AbstractLiteralsDecimalBasedAndMalformed) {
    Lexed good = lex("12 1_000 3.14 1.0E-3 2e6 16#FF# 2#1010_1010# 16#F.8#E2 8:17: 1E+2");
    EXPECT_TRUE(good.messages.texts.empty());
    EXPECT_EQ(good.texts,
              (std::vector<std::string>{"12", "1_000", "3.14", "1.0E-3", "2e6", "16#FF#",
                                        "2#1010_1010#", "16#F.8#E2", "8:17:", "1E+2"}));
    for (Tok k : good.kinds)
        EXPECT_EQ(k, Tok::T_ABSTRACT_LITERAL);

    Lexed bad = lex("1__0 1_ 16#FF 1.e 3E");
    EXPECT_EQ(
        bad.messages.texts,
        (std::vector<std::string>{"\"1__0\" is not a correct decimal literal or based literal.",
                                  "\"1_\" is not a correct decimal literal or based literal.",
                                  "\"16#FF\" is not a correct decimal literal or based literal.",
                                  "\"1.e\" is not a correct decimal literal or based literal.",
                                  "\"3E\" is not a correct decimal literal or based literal."}));
    // "a : 1:" is a colon, not a based literal, when no extended digit follows it.
    Lexed colon = lex("x:1;");
    EXPECT_EQ(colon.kinds, (std::vector<Tok>{Tok::T_IDENTIFIER, Tok::T_COLON,
                                             Tok::T_ABSTRACT_LITERAL, Tok::T_SEMI}));
}

TEST(Lexer, BitStringLiterals) {
    Lexed good = lex("B\"1010\" o\"17\" X\"dead_BEEF\" x%FF%");
    EXPECT_TRUE(good.messages.texts.empty());
    for (Tok k : good.kinds)
        EXPECT_EQ(k, Tok::T_BIT_STRING);
    Lexed bad = lex("B\"102\" O\"8\" X\"G\" B\"1__0\" B\"1_\" X\"12\n");
    EXPECT_EQ(bad.messages.texts.size(), 6u);
    EXPECT_EQ(bad.messages.texts[0], "\"B\"102\"\" is not a correct bitstring literal.");
    EXPECT_EQ(bad.messages.texts[5], "\"X\"12\" is not a correct bitstring literal.");
}

TEST(Lexer, StringsCharactersAndTicks) {
    Lexed l = lex("\"a\"\"b\" %x%%y% 'a' ''' s'event t'('0') f(x)'length");
    EXPECT_EQ(l.kinds,
              (std::vector<Tok>{Tok::T_STRING, Tok::T_STRING, Tok::T_CHARACTER, Tok::T_CHARACTER,
                                Tok::T_IDENTIFIER, Tok::T_TICK, Tok::T_IDENTIFIER,
                                Tok::T_IDENTIFIER, Tok::T_TICK, Tok::T_LPAREN, Tok::T_CHARACTER,
                                Tok::T_RPAREN, Tok::T_IDENTIFIER, Tok::T_LPAREN, Tok::T_IDENTIFIER,
                                Tok::T_RPAREN, Tok::T_TICK, Tok::T_IDENTIFIER}));
    EXPECT_EQ(l.texts[0], "\"a\"\"b\"");
    Lexed open = lex("x := \"abc\ny");
    EXPECT_EQ(open.messages.texts,
              (std::vector<std::string>{"\"abc       is not a terminated string."}));
    EXPECT_EQ(open.kinds.back(), Tok::T_IDENTIFIER);
}

TEST(Lexer, DelimitersIncludingTheExclamationBar) {
    Lexed l = lex("& ( ) ** * + , - . /= / := : ; <= <> < => = >= > | !");
    EXPECT_EQ(l.kinds, (std::vector<Tok>{Tok::T_AMP,   Tok::T_LPAREN, Tok::T_RPAREN, Tok::T_POW,
                                         Tok::T_STAR,  Tok::T_PLUS,   Tok::T_COMMA,  Tok::T_MINUS,
                                         Tok::T_DOT,   Tok::T_NE,     Tok::T_SLASH,  Tok::T_ASSIGN,
                                         Tok::T_COLON, Tok::T_SEMI,   Tok::T_LE,     Tok::T_BOX,
                                         Tok::T_LT,    Tok::T_ARROW,  Tok::T_EQ,     Tok::T_GE,
                                         Tok::T_GT,    Tok::T_BAR,    Tok::T_BAR}));
}

TEST(Lexer, HashLinesCommentsControlCharactersAndUnknownItems) {
    Lexed l = lex("#define X 1\na -- comment ; ;\n\x1a b\r\n#x\nc # d @ $");
    EXPECT_EQ(l.texts, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(l.messages.texts,
              (std::vector<std::string>{"'#' is not allowed here.", "Unknown item '@' (0x40)",
                                        "Unknown item '$' (0x24)"}));
    // The offsets point at the offending characters.
    SourceText source("ab\n  @");
    Messages m;
    Lexer lexer(source, false, &m);
    while (lexer.next().kind != Tok::T_EOF) {
    }
    ASSERT_EQ(m.offsets.size(), 1u);
    EXPECT_EQ(source.line_of(m.offsets[0]), 2);
}

TEST(Lexer, AByteOrderMarkStartingTheFileIsSkippedAndNowhereElse) {
    Lexed l = lex("\xEF\xBB\xBF"
                  "entity e is");
    EXPECT_EQ(l.texts, (std::vector<std::string>{"entity", "e", "is"}));
    EXPECT_TRUE(l.messages.texts.empty());
    Lexed inside = lex("a \xEF\xBB\xBF");
    EXPECT_EQ(inside.messages.texts.size(), 3u);
}

TEST(Lexer, ExtendedIdentifiersInVhdl93) {
    Lexed l = lex("\\my signal\\ \\a\\\\b\\", true);
    EXPECT_EQ(l.texts, (std::vector<std::string>{"\\my signal\\", "\\a\\\\b\\"}));
    EXPECT_TRUE(l.messages.texts.empty());
}

TEST(SourceText, LinesAndOffsets) {
    SourceText s("one\r\ntwo\nthree");
    EXPECT_EQ(s.line_of(0), 1);
    EXPECT_EQ(s.line_of(5), 2);
    EXPECT_EQ(s.line_of(9), 3);
    EXPECT_EQ(s.line_start(7), 5u);
    EXPECT_EQ(s.line_end(7), 9u);
    EXPECT_EQ(s.line_end(10), s.size());
    EXPECT_EQ(s.line_text(1), "one");
    EXPECT_EQ(s.line_text(3), "three");
    EXPECT_EQ(s.line_text(4), "");
}

} // namespace
} // namespace zeph::vhdl
