// The session that stands in until design projects exist: it has no design and no file
// commands, and every project argument falls back to it.
#include "shell/project_session.h"

namespace zeph {

namespace {
class SessionWithoutProjects : public ProjectSession {
  public:
    void add_commands(CommandTable&) override {}
    void start_untitled() override {}
    bool create_project(const std::string&) override { return false; }
    bool load_project(const std::string&) override { return false; }
    bool close_for_exit() override { return true; }
    void abandon() override {}
    std::string title() const override { return {}; }
    void settings_changed() override {}
};
} // namespace

std::unique_ptr<ProjectSession> make_project_session(SessionServices) {
    return std::make_unique<SessionWithoutProjects>();
}

} // namespace zeph
