// The log of an import in the report window: text is collected until it holds a line end
// and then shown as one report line ("\r\n" and "\n" both end a line).
#pragma once

#include <string>
#include <string_view>

namespace ui {
class Platform;
}

namespace zeph::vhdl {

class ImportLog {
  public:
    explicit ImportLog(ui::Platform& platform) : platform_(platform) {}
    ~ImportLog() { flush(); }
    ImportLog(const ImportLog&) = delete;
    ImportLog& operator=(const ImportLog&) = delete;

    void write(std::string_view text);
    // Shows a started line that has no line end yet.
    void flush();

  private:
    ui::Platform& platform_;
    std::string pending_;
};

} // namespace zeph::vhdl
