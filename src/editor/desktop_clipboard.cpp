// The clipboard programs of the desktop, and the terminal's clipboard sequence.
#include "editor/desktop_clipboard.h"

#include "ui/piped_child.h"

#include <cstdlib>

namespace zped {

namespace {
// Clipboard programs answer at once; one that hangs (an owner that does not reply) must not
// hang the editor.
constexpr int kToolTimeoutMs = 3000;
} // namespace

std::optional<ClipboardTool> find_clipboard_tool(const EnvironmentLookup& environment) {
    if (!environment("WAYLAND_DISPLAY").empty() && ui::program_on_path("wl-copy") &&
        ui::program_on_path("wl-paste"))
        return ClipboardTool{"wl-clipboard", {"wl-copy"}, {"wl-paste", "--no-newline"}};
    if (environment("DISPLAY").empty()) return std::nullopt;
    if (ui::program_on_path("xclip"))
        return ClipboardTool{"xclip",
                             {"xclip", "-selection", "clipboard", "-in"},
                             {"xclip", "-selection", "clipboard", "-out"}};
    if (ui::program_on_path("xsel"))
        return ClipboardTool{
            "xsel", {"xsel", "--clipboard", "--input"}, {"xsel", "--clipboard", "--output"}};
    return std::nullopt;
}

std::optional<ClipboardTool> find_clipboard_tool() {
    return find_clipboard_tool([](const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return std::string(value ? value : "");
    });
}

void DesktopClipboard::set_text(const std::string& text) {
    internal_ = text;
    if (tool_) ui::run_piped(tool_->copy, text, false, kToolTimeoutMs);
    if (terminal_sink_) terminal_sink_(text);
}

std::optional<std::string> DesktopClipboard::text() {
    if (tool_) {
        ui::PipedResult result = ui::run_piped(tool_->paste, "", true, kToolTimeoutMs);
        if (result.started && !result.timed_out && result.exit_code == 0) return result.output;
    }
    return internal_;
}

std::string osc52_sequence(const std::string& text) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    encoded.reserve((text.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < text.size(); i += 3) {
        unsigned value = static_cast<unsigned char>(text[i]) << 16;
        if (i + 1 < text.size()) value |= static_cast<unsigned char>(text[i + 1]) << 8;
        if (i + 2 < text.size()) value |= static_cast<unsigned char>(text[i + 2]);
        encoded += kDigits[(value >> 18) & 63];
        encoded += kDigits[(value >> 12) & 63];
        encoded += i + 1 < text.size() ? kDigits[(value >> 6) & 63] : '=';
        encoded += i + 2 < text.size() ? kDigits[value & 63] : '=';
    }
    return "\033]52;c;" + encoded + "\a";
}

} // namespace zped
