// Drawing options from the session.
#include "shell/drawing_options.h"

#include "shell/machine_settings.h"
#include "shell/session.h"

namespace zeph {

DrawingOptions session_drawing_options(const Session& session) {
    DrawingOptions options;
    options.settings = session.diagram_settings();
    options.defaults = session.design_defaults();
    const Settings::Colours& c = session.settings().colours;
    options.state_colours = {c.states, c.state_background, c.transitions, c.actions};
    options.state_settings = state_diagram_settings(session);
    return options;
}

} // namespace zeph
