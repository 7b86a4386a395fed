// Pictures of state diagrams compared with golden SVG files and checked by xmllint and
// rsvg-convert: a traffic light drawn with the editing operations (states with names and
// codes, REST, the reset and a global transition, curves, a loop and a transition drawn point
// by point, conditions, actions, priorities, a free text) and a state-diagram process; and
// the settings a picture follows.
#include "picture_test_support.h"

#include "drawing/palette.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/label_list_dialog.h"
#include "statemachine/machine_options.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

namespace zeph::picture_testing {
namespace {

class StatePictureTest : public PictureTest {
  protected:
    StatePictureTest() {
        Entity& light = add_entity(design, new_entity(design, "light"));
        machine_architecture =
            &add_architecture(light, new_architecture(kArchitectureStateDiagram, "fsm", &light));
    }
    StateMachine& machine() { return *machine_architecture->state_machine; }

    State& state(const std::string& name, Point at) {
        State* added = nullptr;
        EXPECT_EQ(add_state(machine(), context, at, name, &added), Outcome::Done);
        return *added;
    }
    Transition& curve(State& from, State& to) {
        Transition* added = nullptr;
        EXPECT_EQ(add_curved_transition(machine(), context, box_centre(from.box),
                                        box_centre(to.box), &added),
                  Outcome::Done);
        return *added;
    }
    // A label made in the labels dialog and used as the transition's condition.
    void condition(Transition& t, const std::string& name, const std::string& text,
                   bool reset = false) {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::EditTransition,
                               {nullptr, &t});
        if (name.empty()) {
            platform.queue(ui::Answer::No); // keep the text as a label without a name
        } else {
            platform.queue_text(name);
            ASSERT_EQ(dialog.press_new(), Outcome::Done);
        }
        ASSERT_EQ(dialog.set_text(text), Outcome::Done);
        dialog.asynchronous = reset;
        ASSERT_EQ(dialog.confirm().outcome, Outcome::Done);
    }
    void action(State* state, Transition* transition, const std::string& name) {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::AddUsage,
                               {state, transition});
        std::optional<std::size_t> found = dialog.find(name);
        ASSERT_TRUE(found) << name;
        ASSERT_EQ(dialog.select(found), Outcome::Done);
        ASSERT_EQ(dialog.confirm().outcome, Outcome::Done);
    }
    void actions(const std::vector<std::pair<std::string, std::string>>& labels) {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
        for (const auto& [name, text] : labels) {
            if (name.empty()) {
                ASSERT_EQ(dialog.select(std::nullopt), Outcome::Done);
                platform.queue(ui::Answer::No); // keep the text as a label without a name
            } else {
                platform.queue_text(name);
                ASSERT_EQ(dialog.press_new(), Outcome::Done);
            }
            ASSERT_EQ(dialog.set_text(text), Outcome::Done);
        }
        ASSERT_EQ(dialog.confirm().outcome, Outcome::Done);
    }

    void draw_traffic_light() {
        State& red = state("red", {1536, 1280});
        State& green = state("green", {3328, 1280});
        State& yellow = state("yellow", {2432, 2816});
        ASSERT_EQ(add_rest_state(machine(), context, {4480, 2816}), Outcome::Done);
        MachineOptionsFields fields = machine_options_fields(machine());
        fields.assignment = kAssignmentGray;
        ASSERT_EQ(apply_machine_options(machine(), context, fields).outcome, Outcome::Done);
        actions({{"stop", "lamps <= \"100\";"},
                 {"go", "lamps <= \"001\";"},
                 {"wait", "lamps <= \"010\";"},
                 {"", "count <= count + 1;"}});
        action(&red, nullptr, "stop");
        action(&green, nullptr, "go");
        action(&yellow, nullptr, "wait");

        Transition& red_green = curve(red, green);
        condition(red_green, "", "timer = 0");
        Transition& green_yellow = curve(green, yellow);
        condition(green_yellow, "done", "timer = 0 and car = '0'");
        curve(yellow, red);
        Transition& stay = curve(green, green);
        action(nullptr, &stay, "");
        Transition* drawn = nullptr;
        ASSERT_EQ(
            add_transition(machine(), context, {{4480, 2816}, {4480, 1280}, {3328, 1280}}, &drawn),
            Outcome::Done);
        Transition* reset = nullptr;
        ASSERT_EQ(add_transition(machine(), context, {{512, 512}, {1536, 1280}}, &reset),
                  Outcome::Done);
        condition(*reset, "rst", "reset = '1'", true);
        Transition* emergency = nullptr;
        ASSERT_EQ(add_transition(machine(), context, {{512, 2816}, {1536, 1280}}, &emergency),
                  Outcome::Done);
        condition(*emergency, "sos", "emergency = '1'");
        machine_architecture->sheet.texts.push_back(make_label(
            style(), LabelKind::FreePlacedText, {512, 3840}, "traffic light, Gray coded"));
    }

    DrawingOptions options = PictureTest::options();
    StateDiagramSettings settings;
    MachineContext context{design, platform, settings};
    Architecture* machine_architecture = nullptr;
};

TEST_F(StatePictureTest, TrafficLight) {
    draw_traffic_light();
    std::string svg = block_diagram_svg(*machine_architecture, options);
    check_picture("traffic_light.svg", svg);
    EXPECT_NE(svg.find("<title>light fsm</title>"), std::string::npos);
    for (const char* text :
         {">red<", ">01<", ">yellow<", ">11<", ">REST<", ">stop<", ">go<", ">timer = 0<", ">done<",
          ">rst<", ">sos<", ">count &lt;= count + 1;<", ">traffic light, Gray coded<"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    // Three states and REST (a second outline), seven transitions with their arrowheads; the
    // reset origin is a filled dot, the global one a ring on the background.
    std::string transitions = svg.substr(svg.find("<g id=\"transitions\">"));
    transitions = transitions.substr(0, transitions.find("</g>"));
    EXPECT_EQ(count(svg.substr(0, svg.find("<g id=\"transitions\">")), "<circle"), 5u);
    EXPECT_EQ(count(transitions, "<polyline"), 7u);
    EXPECT_EQ(count(transitions, "<polygon"), 7u);
    EXPECT_EQ(count(transitions, "<circle"), 2u);
    // Green's two exits carry their priorities, after the one global transition; single
    // transitions in their range do not.
    EXPECT_NE(svg.find(">1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">2</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">0</text>"), std::string::npos);
}

TEST_F(StatePictureTest, ColoursArrowsAndBordersFollowTheSettings) {
    draw_traffic_light();
    options.state_colours = {12, 0, 10, 13};
    options.state_settings.arrow_length = 200;
    options.state_settings.thick_state_border = false;
    options.settings.label_in_object_colour[static_cast<int>(LabelKind::Action)] = true;
    std::string svg = block_diagram_svg(*machine_architecture, options);
    std::string states = svg.substr(svg.find("<g id=\"states\">"));
    states = states.substr(0, states.find("</g>"));
    EXPECT_EQ(count(states, "stroke=\"" + colour_hex(palette_colour(12)) + "\" stroke-width=\"8\""),
              5u);
    EXPECT_EQ(count(svg, "fill=\"" + colour_hex(palette_colour(13)) + "\""), 4u); // actions
    EXPECT_NE(svg.find("stroke=\"" + colour_hex(palette_colour(10)) + "\""), std::string::npos);
    EXPECT_NE(svg, block_diagram_svg(*machine_architecture, PictureTest::options()));
}

TEST_F(StatePictureTest, ProcessMachineAndAnOvalState) {
    Process& p = process("ctl", {512, 512, 1536, 1536});
    p.kind = kProcessStateDiagram;
    p.state_machine = new_state_machine(0);
    p.sheet = new_sheet(kSheetStateDiagram);
    StateMachine& m = *p.state_machine;
    State* idle = nullptr;
    State* busy = nullptr;
    ASSERT_EQ(add_state(m, context, {1024, 1024}, std::string("idle"), &idle), Outcome::Done);
    ASSERT_EQ(add_state(m, context, {2560, 1024}, std::string("busy"), &busy), Outcome::Done);
    busy->box = {2176, 832, 2944, 1216}; // twice as wide as high
    ASSERT_EQ(add_curved_transition(m, context, box_centre(idle->box), box_centre(busy->box)),
              Outcome::Done);
    ASSERT_EQ(add_curved_transition(m, context, box_centre(busy->box), box_centre(idle->box)),
              Outcome::Done);
    std::string svg = process_diagram_svg(p, options);
    check_picture("state_process.svg", svg);
    EXPECT_NE(svg.find("<title>ctl</title>"), std::string::npos);
    EXPECT_NE(svg.find(">busy<"), std::string::npos);
    // The oval state is a closed polygon, the round one a circle.
    std::string states = svg.substr(svg.find("<g id=\"states\">"));
    states = states.substr(0, states.find("</g>"));
    EXPECT_EQ(count(states, "<circle"), 1u);
    EXPECT_EQ(count(states, "<polygon"), 1u);
}

} // namespace
} // namespace zeph::picture_testing
