// Identifier legality under each rule set, reserved words, integer values and state codes.
#include "hdl/identifier_rules.h"
#include "hdl/vhdl_keywords.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

TEST(Identifiers, LegalityPerLanguage) {
    for (const char* bad : {"a__b", "_a", "a_", "1a", "a$b", "", "a b", "\xc3\xa4"})
        EXPECT_FALSE(is_vhdl_identifier(bad)) << bad;
    for (const char* good : {"a", "a_b", "A1_2c", "x9"})
        EXPECT_TRUE(is_vhdl_identifier(good)) << good;
    EXPECT_TRUE(is_verilog_identifier("_a"));
    EXPECT_TRUE(is_verilog_identifier("a$b"));
    EXPECT_TRUE(is_verilog_identifier("a__"));
    EXPECT_FALSE(is_verilog_identifier("$a"));
    EXPECT_FALSE(is_verilog_identifier("1a"));
}

TEST(Identifiers, CheckOrderAndCodes) {
    EXPECT_EQ(check_identifier("a$b", 32, kRulesBoth), 45) << "the VHDL test comes first";
    EXPECT_EQ(check_identifier("_a", 32, kRulesBoth), 45);
    EXPECT_EQ(check_identifier("_a", 32, kRulesVerilog), 0);
    EXPECT_EQ(check_identifier("1a", 32, kRulesVerilog), 47);
    EXPECT_EQ(check_identifier("Entity", 32, kRulesVhdl), 40);
    EXPECT_EQ(check_identifier("xnor", 32, kRulesVhdl), 41);
    EXPECT_EQ(check_identifier("module", 32, kRulesVerilog), 42);
    EXPECT_EQ(check_identifier("Module", 32, kRulesVerilog), 0);
    EXPECT_EQ(check_identifier("xnor", 32, kRulesBoth), 41);
    EXPECT_EQ(check_identifier("wire", 32, kRulesBoth), 42);
    std::string n33(33, 'n');
    EXPECT_EQ(check_identifier(n33, 32, kRulesVerilog), 45)
        << "length is 45 even with Verilog rules";
    EXPECT_EQ(check_identifier(n33, 0, kRulesVerilog), 0);
    EXPECT_EQ(check_identifier(std::string(32, 'n'), 32, kRulesVhdl), 0);
}

TEST(Identifiers, ReservedTablesHaveTheirSizes) {
    EXPECT_EQ(vhdl_keyword_count(), 81);
    EXPECT_EQ(vhdl93_keyword_count(), 16);
    EXPECT_EQ(verilog_keyword_count(), 100);
    EXPECT_EQ(reserved_word_code("downto", kRulesVhdl), 40);
    EXPECT_EQ(reserved_word_code("downto", kRulesVerilog), 0);
    EXPECT_EQ(reserved_word_code("PULLDOWN", kRulesVerilog), 0);
}

TEST(Identifiers, NamesEqualUnderTheRules) {
    EXPECT_TRUE(names_equal("Clk", "cLK", kRulesVhdl));
    EXPECT_FALSE(names_equal("Clk", "clk", kRulesVerilog));
    EXPECT_FALSE(names_equal("Clk", "clk", kRulesBoth));
    EXPECT_FALSE(names_equal("a", "ab", kRulesVhdl));
}

TEST(KeywordCase, EachTableHasItsOwnCase) {
    KeywordTable lower(kKeywordLower);
    KeywordTable capitalized(kKeywordCapitalized);
    KeywordTable upper(kKeywordUpper);
    EXPECT_STREQ(lower.keyword("ENTITY"), "entity");
    EXPECT_STREQ(capitalized.keyword("DOWNTO"), "Downto");
    EXPECT_STREQ(capitalized.keyword("entity"), "Entity");
    EXPECT_STREQ(upper.keyword("Architecture"), "ARCHITECTURE");
    EXPECT_STREQ(lower.keyword("ENTITY"), "entity") << "two tables do not meet";
    EXPECT_STREQ(lower.keyword("NOT_A_KEYWORD"), "NOT_A_KEYWORD");
}

std::string normalised(std::string text) {
    return normalise_integer(text) ? text : "<refused>";
}

TEST(IntegerValues, AcceptedFormsAndTheirRewrite) {
    EXPECT_EQ(normalised("+(1_2)"), "12");
    EXPECT_EQ(normalised("( - 1_000 )"), "-1000");
    EXPECT_EQ(normalised("--7"), "7");
    EXPECT_EQ(normalised("0"), "0");
    EXPECT_EQ(normalised("-2147483648"), "-2147483648");
    EXPECT_EQ(normalised("2147483647 "), "2147483647");
    int v = 0;
    std::string t = "((3))";
    EXPECT_TRUE(normalise_integer(t, &v));
    EXPECT_EQ(v, 3);
}

TEST(IntegerValues, RefusedForms) {
    for (const char* bad : {"007", "2147483648", "-0", "1__2", "1_", "", " ", "(1", "1)", "1 2",
                            "a", "1a", "(", "99999999999999999999", "1\xb5"})
        EXPECT_EQ(normalised(bad), "<refused>") << bad;
}

TEST(StateCodes, CharactersPerRules) {
    EXPECT_FALSE(state_code_is_illegal("1X-0", false, kRulesVhdl));
    EXPECT_TRUE(state_code_is_illegal("1X-0", true, kRulesVhdl));
    EXPECT_TRUE(state_code_is_illegal("1-", false, kRulesVerilog));
    EXPECT_FALSE(state_code_is_illegal("1X", false, kRulesVerilog));
    EXPECT_FALSE(state_code_is_illegal("1X", true, kRulesVerilog));
    EXPECT_FALSE(state_code_is_illegal("   01", true, kRulesVhdl));
    EXPECT_FALSE(state_code_is_illegal("", true, kRulesVhdl));
    EXPECT_TRUE(state_code_is_illegal("0 1", true, kRulesVhdl));
}

} // namespace
