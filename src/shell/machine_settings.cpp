// State diagram settings taken from the session.
#include "shell/machine_settings.h"

#include "shell/session.h"

namespace zeph {

namespace {
// Option word of conditions, actions and priorities: their text is shown.
constexpr unsigned kShownText = 1;

LabelStyle style_of(const Session& session, LabelKind kind, unsigned options, int object_colour) {
    const DiagramSettings& diagram = session.diagram_settings();
    int colour =
        diagram.object_colour_for(kind) ? object_colour : diagram.colour(DiagramColour::Foreground);
    return {session.design_defaults().text_size_of(kind), options, colour};
}
} // namespace

StateDiagramSettings state_diagram_settings(const Session& session) {
    const Settings& s = session.settings();
    const Settings::Colours& c = s.colours;
    StateDiagramSettings settings;
    settings.arrow_length = s.arrow_length_units();
    settings.arrow_position = s.state_diagrams.arrow_position;
    settings.thick_state_border = s.state_diagrams.thick_state_border;
    settings.state_names =
        style_of(session, LabelKind::State,
                 session.design_defaults().label_format_of(LabelKind::State), c.states);
    settings.conditions = style_of(session, LabelKind::Condition, kShownText, c.transitions);
    settings.actions = style_of(session, LabelKind::Action, kShownText, c.actions);
    settings.priorities = style_of(session, LabelKind::Priority, kShownText, c.transitions);
    return settings;
}

} // namespace zeph
