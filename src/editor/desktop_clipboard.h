// The desktop's clipboard, reached through the programs that Wayland and X sessions offer:
// wl-copy and wl-paste, xclip or xsel. A text set here is also kept internally, so that a paste
// works when no desktop is reachable (a console, a tool that fails); a terminal can be handed
// every copied text as well (OSC 52, which reaches the user's clipboard over ssh).
#pragma once

#include "editor/clipboard.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zped {

struct ClipboardTool {
    std::string name;               // "wl-clipboard", "xclip", "xsel"
    std::vector<std::string> copy;  // reads the text on its standard input
    std::vector<std::string> paste; // writes the text on its standard output
};

// The tool for the desktop session the environment names: wl-copy and wl-paste when
// WAYLAND_DISPLAY is set, else xclip or xsel when DISPLAY is set, each only when installed.
using EnvironmentLookup = std::function<std::string(const std::string&)>;
std::optional<ClipboardTool> find_clipboard_tool(const EnvironmentLookup& environment);
// The same for the process environment.
std::optional<ClipboardTool> find_clipboard_tool();

class DesktopClipboard : public Clipboard {
  public:
    explicit DesktopClipboard(std::optional<ClipboardTool> tool) : tool_(std::move(tool)) {}

    // Every text set is also given to this (the terminal's OSC 52 sequence).
    void set_terminal_sink(std::function<void(const std::string&)> sink) {
        terminal_sink_ = std::move(sink);
    }
    const std::optional<ClipboardTool>& tool() const { return tool_; }

    void set_text(const std::string& text) override;
    // The desktop's text when the tool answers, else the text kept here.
    std::optional<std::string> text() override;

  private:
    std::optional<ClipboardTool> tool_;
    std::function<void(const std::string&)> terminal_sink_;
    std::optional<std::string> internal_;
};

// The OSC 52 sequence that asks a terminal to put a text on the clipboard (base64 inside).
std::string osc52_sequence(const std::string& text);

} // namespace zped
