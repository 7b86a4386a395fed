// A platform that holds back what is written to the report window: everything else goes
// straight to the platform underneath, the report's calls wait until the holder shows them
// (in their order) or lets them go unseen. A run that closes the report window when it found
// nothing (the quick verification) so shows nothing at all.
#pragma once

#include "ui/platform.h"

#include <string>
#include <vector>

namespace ui {

class HeldReport : public Platform {
  public:
    explicit HeldReport(Platform& inner) : inner_(inner) {}

    // Passes the held report calls on, in their order.
    void show();

    void message_box(const std::string& title, const std::string& text) override {
        inner_.message_box(title, text);
    }
    Answer ask_yes_no(const std::string& title, const std::string& question) override {
        return inner_.ask_yes_no(title, question);
    }
    Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override {
        return inner_.ask_yes_no_cancel(title, question);
    }
    std::optional<std::string> prompt_text(const std::string& prompt, const std::string& proposal,
                                           std::size_t max_length) override {
        return inner_.prompt_text(prompt, proposal, max_length);
    }
    void status(const std::string& text, bool beep) override { inner_.status(text, beep); }

    void report_clear() override { held_.push_back({Call::Clear, {}}); }
    void report_title(const std::string& title) override { held_.push_back({Call::Title, title}); }
    void report_append(const std::string& line) override { held_.push_back({Call::Append, line}); }
    void report_bring_up() override { held_.push_back({Call::BringUp, {}}); }
    void report_close() override { held_.push_back({Call::Close, {}}); }

    std::optional<std::string> open_file(const FileDialog& dialog) override {
        return inner_.open_file(dialog);
    }
    std::optional<std::string> save_file(const FileDialog& dialog) override {
        return inner_.save_file(dialog);
    }
    std::optional<Point> pick_point(const std::string& prompt) override {
        return inner_.pick_point(prompt);
    }
    std::optional<Rect> pick_rect(const std::string& prompt) override {
        return inner_.pick_rect(prompt);
    }
    void set_clipboard(const std::string& text) override { inner_.set_clipboard(text); }
    std::string clipboard() override { return inner_.clipboard(); }
    ChildResult run_child(const ChildProcess& child) override { return inner_.run_child(child); }
    ChildResult run_child_streamed(const ChildProcess& child, const OutputSink& sink) override {
        return inner_.run_child_streamed(child, sink);
    }

  private:
    struct Call {
        enum Kind { Clear, Title, Append, BringUp, Close } kind;
        std::string text;
    };

    Platform& inner_;
    std::vector<Call> held_;
};

} // namespace ui
