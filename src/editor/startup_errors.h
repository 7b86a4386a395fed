// The start-up error report: problems found while reading the definition files and settings,
// collected as text lines and shown in the "startup.err" window at the end of start-up.
#pragma once

#include <string>
#include <vector>

namespace zped {

inline constexpr const char* kEditorTitle = "ZPED / HDL Language Editor";

// Error codes of the report.
inline constexpr int kErrorCannotOpen = 2; // kind, file
inline constexpr int kErrorNoFunction = 4; // kind, function name
inline constexpr int kErrorNoBitmap = 6;   // bitmap, function name
inline constexpr int kErrorSyntax = 7;     // kind, offending text
inline constexpr int kErrorOther = 8;      // two texts

class StartupErrors {
  public:
    void add(int code, const std::string& first, const std::string& second);
    // A ready-made line (templates add their own follow-up lines).
    void add_line(const std::string& line) { lines_.push_back(line); }
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    void add_header();
    std::vector<std::string> lines_;
};

} // namespace zped
