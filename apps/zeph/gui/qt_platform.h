// The platform layer on Qt: message boxes and questions, text prompts, file dialogs, the status
// line with its beep, the report window (a dock), picking on the diagram view, the clipboard and
// child processes that run while the window keeps painting. It exists before the window (the
// settings may have something to say first): until the window is attached, boxes have no
// parent, the status line is dropped and report lines wait for the dock.
#pragma once

#include "ui/platform.h"

#include <string>
#include <vector>

class QStatusBar;
class QWidget;

namespace zeph {

class ReportDock;
class SheetPicker;

class QtPlatform : public ui::Platform {
  public:
    explicit QtPlatform(std::string program_title);

    // The window's parts; any may be null (a window being torn down detaches them).
    void attach(QWidget* window, QStatusBar* status, ReportDock* report, SheetPicker* picker);
    void detach() { attach(nullptr, nullptr, nullptr, nullptr); }

    void message_box(const std::string& title, const std::string& text) override;
    ui::Answer ask_yes_no(const std::string& title, const std::string& question) override;
    ui::Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override;
    std::optional<std::string> prompt_text(const std::string& prompt, const std::string& proposal,
                                           std::size_t max_length) override;

    void status(const std::string& text, bool beep) override;

    void report_clear() override;
    void report_title(const std::string& title) override;
    void report_append(const std::string& line) override;
    void report_bring_up() override;
    void report_close() override;

    std::optional<std::string> open_file(const ui::FileDialog& dialog) override;
    std::optional<std::string> save_file(const ui::FileDialog& dialog) override;

    std::optional<ui::Point> pick_point(const std::string& prompt) override;
    std::optional<ui::Rect> pick_rect(const std::string& prompt) override;

    void set_clipboard(const std::string& text) override;
    std::string clipboard() override;

    ui::ChildResult run_child(const ui::ChildProcess& child) override;
    ui::ChildResult run_child_streamed(const ui::ChildProcess& child,
                                       const ui::OutputSink& sink) override;

    // How many beeps the status line gave (the beep itself cannot be heard in tests).
    int beeps() const { return beeps_; }

  private:
    ui::Answer ask(const std::string& title, const std::string& question, bool with_cancel);
    std::optional<std::string> file_dialog(const ui::FileDialog& dialog, bool saving);

    std::string program_title_;
    QWidget* window_ = nullptr;
    QStatusBar* status_ = nullptr;
    ReportDock* report_ = nullptr;
    SheetPicker* picker_ = nullptr;
    // Report calls made before the dock exists: replayed in order when it is attached.
    struct HeldCall {
        enum Kind { Clear, Title, Append, BringUp, Close } kind;
        std::string text;
    };
    std::vector<HeldCall> held_;
    int beeps_ = 0;
};

} // namespace zeph
