// Report channels: stream forms, handlers, counters, assertion text and its re-entry guard.
#include "channel_capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using test::captured;

class Cwexcept : public test::FoundationTest {};

std::string read_all(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[256];
    while (std::fgets(buf, sizeof buf, f) != nullptr) text += buf;
    return text;
}

int g_exit_code = 0;
void remember_exit(int code) { g_exit_code = code; }

TEST_F(Cwexcept, StreamFormsWithAndWithoutNumber) {
    std::FILE* f = std::tmpfile();
    cwexcept_set_channels(f, remember_exit, nullptr, nullptr, nullptr, nullptr);
    cwexcept_notice(-1, "plain %s", "note");
    cwexcept_warning(7, "w%d", 1);
    cwexcept_error(-1, "e");
    cwexcept_fatal(12, "gone");
    EXPECT_EQ(read_all(f), "Notice: plain note\nWarning 7: w1\nError: e\nFatal 12: gone\n");
    EXPECT_EQ(g_exit_code, 12) << "fatal ends through the exit handler with its code";
    int n, w, e, x;
    cwexcept_counts(&n, &w, &e, &x);
    EXPECT_EQ(n + w + e + x, 4);
    std::fclose(f);
}

TEST_F(Cwexcept, HandlersReceiveCodeAndText) {
    cwexcept_warning(110, "%s and %s", "a", "b");
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].channel, 1);
    EXPECT_EQ(captured()[0].code, 110);
    EXPECT_EQ(captured()[0].text, "a and b");
}

TEST_F(Cwexcept, OverlongFormatIsAnAssertion) {
    std::string format(4097, 'x');
    cwexcept_notice(-1, "%s", "ok");
    cwexcept_notice(-1, format.c_str(), 0);
    ASSERT_EQ(test::assertions().size(), 1u);
    EXPECT_NE(test::assertions()[0].find("cwexcept"), std::string::npos);
}

TEST_F(Cwexcept, AssertionTextNamesModuleAndLine) {
    cwexcept_assert("cwlist", 321);
    ASSERT_EQ(test::assertions().size(), 1u);
    EXPECT_EQ(test::assertions()[0].rfind("*** Assertion failed: cwlist, line 321.\n***", 0), 0u);
}

// An error handler that itself raises an assertion while one is being shown.
void nested_error(int code, const char* text) {
    captured().push_back({2, code, text});
    cwexcept_assert("cwmem", 2);
}

TEST_F(Cwexcept, AssertionDuringAssertionIsDropped) {
    cwexcept_set_channels(nullptr, nullptr, nullptr, nullptr, nested_error, nullptr);
    cwexcept_assert("cwlist", 1);
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_NE(captured()[0].text.find("cwlist, line 1."), std::string::npos);
    cwexcept_assert("cwlist", 3); // the guard is released afterwards
    EXPECT_EQ(captured().size(), 2u);
}

TEST_F(Cwexcept, FatalFlagEndsAfterAssertion) {
    cwexcept_set_channels(nullptr, remember_exit, nullptr, nullptr, test::capture_error, nullptr);
    g_exit_code = 0;
    cwexcept_assert("cwmem", 9);
    EXPECT_EQ(g_exit_code, 0);
    cwexcept_set_assert_fatal(true);
    cwexcept_assert("cwmem", 9);
    EXPECT_EQ(g_exit_code, 1);
}

TEST_F(Cwexcept, CountsRefuseNullPointers) {
    int n = 0;
    cwexcept_counts(&n, nullptr, &n, &n);
    EXPECT_EQ(test::assertions().size(), 1u);
}

} // namespace
