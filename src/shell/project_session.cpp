// The project session of zeph.
#include "shell/project_session.h"

#include "shell/design_project_session.h"

namespace zeph {

std::unique_ptr<ProjectSession> make_project_session(SessionServices services) {
    return std::make_unique<DesignProjectSession>(std::move(services));
}

} // namespace zeph
