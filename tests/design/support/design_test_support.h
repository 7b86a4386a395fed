// Helpers of the design tests: golden files, a fixed clock, a scripted platform, scratch
// directories and the comparison of written design texts.
#pragma once

#include "design/design.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zeph::testing {

// Compares text with tests/golden/design/<name>; ZEPH_UPDATE_GOLDEN=1 rewrites the file.
::testing::AssertionResult matches_golden(const std::string& name, const std::string& text);

// The contents of tests/design/data/<name>.
std::string data_file(const std::string& name);

// The first line where two texts differ, for failure messages.
std::string first_difference(const std::string& expected, const std::string& actual);

// Fixes the clock (so time stamps are stable) and installs a scripted platform.
class DesignFileTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    ui::ScriptedPlatform platform;
};

// A fresh directory under the system's temporary directory, removed at the end.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Reading turns the junction points of every net around; this turns them back.
void reverse_junction_points(Design& design);

} // namespace zeph::testing
