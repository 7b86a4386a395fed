// Growable arrays, bounded strings, file names and the clock.
#include "foundation/clock.h"
#include "foundation/file_names.h"
#include "foundation/grow_array.h"
#include "foundation/strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using namespace zeph;

TEST(GrowArray, FreshArrayIsZeroed) {
    auto* bytes = static_cast<unsigned char*>(grow_array(nullptr, 0, 1, 12));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(bytes[i], 0);
    free_array(bytes);
}

TEST(GrowArray, GrowingKeepsElementsAndZeroesTheStep) {
    auto** a = static_cast<int**>(grow_array(nullptr, 0, 10, sizeof(int*)));
    static int values[10];
    for (int i = 0; i < 10; ++i)
        a[i] = &values[i];
    a = static_cast<int**>(grow_array(a, 10, 10, sizeof(int*)));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a[i], &values[i]);
    for (int i = 10; i < 20; ++i)
        EXPECT_EQ(a[i], nullptr);
    free_array(a);
}

TEST(Strings, DupStringIsBounded) {
    char* all = dup_string("counter", 0);
    char* cut = dup_string("counter", 4);
    char* longer = dup_string("abc", 10);
    EXPECT_STREQ(all, "counter");
    EXPECT_STREQ(cut, "coun");
    EXPECT_STREQ(longer, "abc");
    EXPECT_EQ(dup_string(nullptr, 3), nullptr);
    for (char* s : {all, cut, longer})
        free_string(s);
}

TEST(Strings, CopyCaseRepeatPrefix) {
    char buf[8] = "xxxxxxx";
    copy_bounded(buf, "abcdef", 3);
    EXPECT_STREQ(buf, "abc");
    copy_bounded(nullptr, "a", 1);
    copy_bounded(buf, nullptr, 1);
    EXPECT_STREQ(buf, "abc");

    char text[] = "Mixed_Case 1?";
    to_upper_ascii(text, 0);
    EXPECT_STREQ(text, "MIXED_CASE 1?");
    to_lower_ascii(text, 5);
    EXPECT_STREQ(text, "mixed_CASE 1?");

    EXPECT_EQ(repeat_char(3, '-'), "---");
    EXPECT_EQ(dup_prefix("abcdef", 2), "ab");
    EXPECT_EQ(dup_prefix("abc", 0), "abc");
    EXPECT_EQ(dup_prefix("abc", 9), "abc");
    EXPECT_EQ(bounded(std::string(40, 'n'), 32).size(), 32u);
}

TEST(Strings, CheckNameLeavesTheMessage) {
    std::string message;
    EXPECT_EQ(check_name("a", message), 0);
    EXPECT_EQ(message, "");
    EXPECT_EQ(check_name("", message), 1);
    EXPECT_EQ(message, "Empty name!");
    EXPECT_EQ(check_name(nullptr, message), 1);
}

TEST(Strings, CaseBlindComparisonAndTrimming) {
    EXPECT_TRUE(equal_ignoring_case("GridFactor", "gridfactor"));
    EXPECT_TRUE(equal_ignoring_case("", ""));
    EXPECT_FALSE(equal_ignoring_case("Grid", "Grids"));
    EXPECT_FALSE(equal_ignoring_case("a_b", "a-b"));
    EXPECT_FALSE(equal_ignoring_case("\xC4", "\xE4")) << "only ASCII letters fold";
    EXPECT_EQ(trim_blanks(" \t value \r"), "value");
    EXPECT_EQ(trim_blanks(" \t\r"), "");
    EXPECT_EQ(trim_blanks_right("  a b \t"), "  a b");
}

TEST(FileNames, StemPartAndSeparators) {
    EXPECT_EQ(file_stem("C:\\designs\\cpu.vdp"), "cpu");
    EXPECT_EQ(file_stem("/home/u/designs/cpu.vdp"), "cpu");
    EXPECT_EQ(file_stem("a.b.c"), "a");
    EXPECT_EQ(file_stem("dir/"), std::nullopt);
    EXPECT_EQ(file_stem(""), std::nullopt);
    std::string name29(25, 'n');
    EXPECT_EQ(file_stem(name29 + ".vdp"), name29);
    EXPECT_EQ(file_stem(std::string(26, 'n') + ".vdp"), std::nullopt) << "30 characters";

    EXPECT_EQ(file_part("work\\design.vdf"), "design.vdf");
    EXPECT_EQ(file_part("x:name"), "name");
    EXPECT_EQ(strip_separator("dir/"), "dir");
    EXPECT_EQ(strip_separator("dir\\\\"), "dir\\");
    EXPECT_TRUE(is_separator('\\'));
    EXPECT_FALSE(is_separator(':'));
}

TEST(Clock, FixedClockGivesCalendarTexts) {
    set_fixed_clock(1796748018); // Tue Dec  8 16:40:18 2026 UTC
    EXPECT_EQ(date_time_now(), "Tue Dec  8 16:40:18 2026");
    EXPECT_EQ(date_time_now().size(), 24u);
    EXPECT_EQ(date_today(), "Dec  8 2026");
    set_fixed_clock(std::nullopt);
}

TEST(Clock, SourceDateEpochFixesTheTime) {
    setenv("SOURCE_DATE_EPOCH", "0", 1);
    EXPECT_EQ(clock_now(), 0);
    EXPECT_EQ(date_time_now(), "Thu Jan  1 00:00:00 1970");
    setenv("SOURCE_DATE_EPOCH", "junk", 1);
    EXPECT_NE(clock_now(), 0) << "an unreadable value is ignored";
    unsetenv("SOURCE_DATE_EPOCH");
}

} // namespace
