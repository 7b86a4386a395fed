// The clipboard as the editor commands see it: plain text set by Copy and Cut and read by Paste.
// The internal one keeps the text in the editor; the desktop one (desktop_clipboard.h) shares it
// with other programs.
#pragma once

#include <optional>
#include <string>

namespace zped {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void set_text(const std::string& text) = 0;
    // The plain text on the clipboard; nullopt when it holds none.
    virtual std::optional<std::string> text() = 0;
};

// The text kept in the editor itself.
class InternalClipboard : public Clipboard {
  public:
    void set_text(const std::string& text) override { text_ = text; }
    std::optional<std::string> text() override { return text_; }

  private:
    std::optional<std::string> text_;
};

} // namespace zped
