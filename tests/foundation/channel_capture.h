// Test helper: installs report-channel handlers that record what the foundation reports.
#pragma once

#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test {

struct Captured {
    int channel; // 0 notice, 1 warning, 2 error, 3 fatal
    int code;
    std::string text;
};

inline std::vector<Captured>& captured() {
    static std::vector<Captured> c;
    return c;
}

inline void capture_notice(int code, const char* text) { captured().push_back({0, code, text}); }
inline void capture_warning(int code, const char* text) { captured().push_back({1, code, text}); }
inline void capture_error(int code, const char* text) { captured().push_back({2, code, text}); }
inline void capture_fatal(int code, const char* text) { captured().push_back({3, code, text}); }

// Assertions are errors with code -1 whose text starts with "*** Assertion failed".
inline std::vector<std::string> assertions() {
    std::vector<std::string> texts;
    for (const Captured& c : captured())
        if (c.channel == 2 && c.code == -1 && c.text.rfind("*** Assertion failed", 0) == 0)
            texts.push_back(c.text);
    return texts;
}

// Fresh channels and a fresh registry for each test.
class FoundationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cwexcept_reset();
        captured().clear();
        cwexcept_set_channels(nullptr, nullptr, capture_notice, capture_warning, capture_error,
                              capture_fatal);
        if (cwmem_initialised()) cwmem_shutdown();
        cwmem_init();
    }
    void TearDown() override {
        cwmem_shutdown();
        cwexcept_reset();
    }
};

} // namespace test
