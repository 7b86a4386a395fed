// The installed editor interface and the silent default.
#include "editor/editor_ui.h"

namespace zped {

namespace {
class SilentUi : public EditorUi {
  public:
    void message_box(const std::string&, const std::string&) override {}
    Answer ask_yes_no(const std::string&, const std::string&) override { return Answer::No; }
    Answer ask_yes_no_cancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    std::optional<std::string> prompt(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> file_dialog(const std::string&, const std::string&, bool) override {
        return std::nullopt;
    }
    std::optional<int> run_dialog(Dialog&) override { return std::nullopt; }
    void status(const std::string&, bool) override {}
    void progress(const std::string&) override {}
    void repaint(const EditBuffer&, int) override {}
};

SilentUi silent;
EditorUi* installed = nullptr;
} // namespace

EditorUi& editor_ui() {
    return installed ? *installed : silent;
}
void set_editor_ui(EditorUi* ui) {
    installed = ui;
}

} // namespace zped
