// Transitions: what their ends connect, the priority ranges as transitions come and go, the
// point and segment edits with their refusals, and the reset transition.
#include "machine_test_support.h"

#include "statemachine/machine_copy.h"
#include "statemachine/transition_priorities.h"

namespace zeph::machine_testing {
namespace {

class TransitionEditsTest : public MachineTest {
  protected:
    TransitionEditsTest() {
        a = &add("a", {1024, 1024});
        b = &add("b", {2048, 1024});
        c = &add("c", {3072, 1024});
    }
    std::vector<int> priorities() {
        std::vector<int> result;
        for (const auto& t : machine().transitions)
            result.push_back(t->priority);
        return result;
    }
    // The refusal shown when OK is given these fields, "accepted" otherwise.
    std::string refusal(Transition& t, TransitionFields fields) {
        platform.clear_transcript();
        std::string before = design_text();
        if (edit_transition(machine(), context, t, fields).outcome != Outcome::Refused)
            return "accepted";
        EXPECT_EQ(design_text(), before);
        std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
        return boxes.empty() ? platform.last_status() : last_box();
    }

    State* a = nullptr;
    State* b = nullptr;
    State* c = nullptr;
};

TEST_F(TransitionEditsTest, EndsConnectTheStatesTheyLandOnAndSitOnTheirOutlines) {
    Transition* t = nullptr;
    ASSERT_EQ(add_transition(machine(), context, {{1024, 1024}, {1536, 512}, {2048, 1024}}, &t),
              Outcome::Done);
    EXPECT_EQ(t->from, a);
    EXPECT_EQ(t->to, b);
    EXPECT_EQ(t->shape, 0);
    EXPECT_EQ(place_against(*a, t->points.front()), StatePlace::Border);
    EXPECT_EQ(place_against(*b, t->points.back()), StatePlace::Border);
    EXPECT_EQ(t->points[1], (Point{1536, 512}));
    // The arrowhead ends at the last point.
    EXPECT_EQ((Point{t->geometry[0], t->geometry[1]}), t->points.back());
    EXPECT_EQ(t->geometry[6], settings.arrow_length);

    Transition& curve = connect(*b, *c);
    EXPECT_EQ(curve.shape, 1);
    EXPECT_EQ(curve.points.size(), 51u);
    EXPECT_EQ(place_against(*c, curve.points.back()), StatePlace::Border);
    Transition& loop = connect(*c, *c);
    EXPECT_EQ(loop.from, c);
    EXPECT_EQ(loop.to, c);
    EXPECT_LT(loop.points[25].y, c->box.y1); // above the state
    // Fewer than two points draw nothing.
    EXPECT_EQ(add_transition(machine(), context, {{100, 100}}), Outcome::Unchanged);
}

TEST_F(TransitionEditsTest, NoPointButTheOriginOnRest) {
    ASSERT_EQ(add_rest_state(machine(), context, {1024, 2048}), Outcome::Done);
    std::string before = design_text();
    EXPECT_EQ(add_transition(machine(), context, {{1024, 1024}, {1024, 2048}}), Outcome::Refused);
    EXPECT_EQ(add_transition(machine(), context, {{1024, 1024}, {1024, 2048}, {2048, 1024}}),
              Outcome::Refused);
    EXPECT_EQ(last_box(), "Transition to REST state not allowed.");
    EXPECT_EQ(design_text(), before);
    // Leaving REST is fine.
    Transition* t = nullptr;
    EXPECT_EQ(add_transition(machine(), context, {{1024, 2048}, {2048, 1024}}, &t), Outcome::Done);
    EXPECT_EQ(t->from, machine().rest.get());
    EXPECT_EQ(move_transition_point(machine(), context, *t, 1, {1024, 2048}), Outcome::Refused);
    EXPECT_EQ(last_box(), "Transition to REST state not allowed.");
}

TEST_F(TransitionEditsTest, RemovingATransitionRenumbersItsOrigin) {
    Transition& ab = connect(*a, *b);
    Transition& ac = connect(*a, *c);
    Transition& aa = connect(*a, *a);
    Transition& ba = connect(*b, *a);
    EXPECT_EQ(priorities(), (std::vector<int>{0, 1, 2, 0}));
    remove_transition(machine(), ab);
    EXPECT_EQ(ac.priority, 0);
    EXPECT_EQ(aa.priority, 1);
    EXPECT_EQ(ba.priority, 0);
}

TEST_F(TransitionEditsTest, GlobalTransitionsComeFirstAndShiftEveryOther) {
    Transition& ab = connect(*a, *b);
    Transition& ba = connect(*b, *a);
    Transition& g1 = global_to(*c, {3072, 256});
    EXPECT_EQ(g1.from, nullptr);
    EXPECT_TRUE(is_global(g1));
    EXPECT_EQ(priorities(), (std::vector<int>{1, 1, 0}));
    Transition& g2 = global_to(*a, {1024, 256});
    EXPECT_EQ(priorities(), (std::vector<int>{2, 2, 0, 1}));
    EXPECT_EQ(priority_range(machine(), ab).first, 2);
    EXPECT_EQ(priority_range(machine(), g2).count, 2);
    remove_transition(machine(), g1);
    EXPECT_EQ(g2.priority, 0);
    EXPECT_EQ(ab.priority, 1);
    EXPECT_EQ(ba.priority, 1);
}

TEST_F(TransitionEditsTest, PriorityEditsStayInTheirRange) {
    Label& go = condition("go", "go = '1'");
    Transition& ab = connect(*a, *b);
    Transition& ac = connect(*a, *c);
    Transition& aa = connect(*a, *a);
    global_to(*c, {3072, 256});
    TransitionFields fields = transition_fields(aa);
    fields.priority = 1;
    fields.condition = &go;
    EXPECT_EQ(edit_transition(machine(), context, aa, fields).outcome, Outcome::Done);
    EXPECT_EQ(ab.priority, 2);
    EXPECT_EQ(aa.priority, 1);
    EXPECT_EQ(ac.priority, 3);
    EXPECT_EQ(go.use_count, 1);
    EXPECT_EQ(aa.condition.display.text, "go");
    // Number 0 belongs to the global transition.
    fields = transition_fields(ab);
    fields.priority = 0;
    EXPECT_EQ(refusal(ab, fields), "Error    50: '0' is not a legal value in this context");
    fields.priority = 4;
    EXPECT_EQ(refusal(ab, fields), "Error    50: '4' is not a legal value in this context");
}

TEST_F(TransitionEditsTest, TheResetTransition) {
    Label& rst = condition("rst", " reset = '1' ", "reset == 1");
    Label& bad = condition("bad", "reset = '1' and go = '1'");
    Label& second = condition("other", "clear=0");
    Transition& ab = connect(*a, *b);
    Transition& reset = global_to(*a, {256, 256});
    Transition& other = global_to(*b, {2048, 256});
    EXPECT_EQ(priorities(), (std::vector<int>{2, 0, 1}));

    TransitionFields fields{nullptr, true, reset.priority};
    EXPECT_EQ(refusal(reset, fields), "Illegal Reset condition.");
    fields.condition = &bad;
    EXPECT_EQ(refusal(reset, fields), "Illegal Reset condition.");
    EXPECT_EQ(refusal(ab, TransitionFields{&rst, true, 0}),
              "Cannot connect origin of Reset Transition to a state.");
    fields.condition = &rst;
    EXPECT_EQ(refusal(reset, fields), "accepted");
    EXPECT_TRUE(reset.reset);
    EXPECT_EQ(machine().reset_transition, &reset);
    EXPECT_EQ(reset.priority, 10000);
    EXPECT_EQ(rst.vhdl_text, "reset='1'");
    EXPECT_EQ(rst.verilog_text, "reset == 1"); // only the design's language is rewritten
    // The others close the gap it left.
    EXPECT_EQ(other.priority, 0);
    EXPECT_EQ(ab.priority, 1);
    EXPECT_EQ(refusal(other, TransitionFields{&second, true, 0}),
              "Reset Transition already defined.");

    // Not asynchronous any more: the last global transition again.
    EXPECT_EQ(refusal(reset, TransitionFields{&rst, false, 10000}), "accepted");
    EXPECT_FALSE(reset.reset);
    EXPECT_EQ(machine().reset_transition, nullptr);
    EXPECT_EQ(priorities(), (std::vector<int>{2, 1, 0}));
}

TEST_F(TransitionEditsTest, ResetConditionsInVerilog) {
    design.target_language = 2;
    design.language_checking = 2;
    Label& rst = condition("rst", "", "  rst_n == 0 ");
    Transition& reset = global_to(*a, {256, 256});
    EXPECT_EQ(refusal(reset, TransitionFields{&rst, true, 0}), "accepted");
    EXPECT_EQ(rst.verilog_text, "rst_n==0");
    Label& keyword = condition("kw", "", "module = 1");
    EXPECT_EQ(refusal(reset, TransitionFields{&keyword, true, 0}), "Illegal Reset condition.");
}

TEST_F(TransitionEditsTest, TheResetOriginStaysOffTheStates) {
    Label& rst = condition("rst", "reset='1'");
    Transition& reset = global_to(*a, {256, 256});
    ASSERT_EQ(edit_transition(machine(), context, reset, {&rst, true, 0}).outcome, Outcome::Done);
    Point outline = border_point(b->box, {2048, 0});
    EXPECT_EQ(move_transition_point(machine(), context, reset, 0, outline), Outcome::Refused);
    EXPECT_EQ(last_box(), "Cannot connect origin of Reset Transition to a state.");
    platform.clear_transcript();
    EXPECT_EQ(move_transition_point(machine(), context, reset, 0, {2048, 1024}), Outcome::Done);
    EXPECT_EQ(last_box(), "Warning: positioning origin of Reset Transition inside a state.");
    EXPECT_EQ(reset.from, nullptr);
    EXPECT_TRUE(reset.reset);
    // It is never copied.
    Transition& ab = connect(*a, *b);
    platform.clear_transcript();
    std::size_t before = machine().transitions.size();
    EXPECT_EQ(copy_selection(machine(), context, {{}, {&reset, &ab}}, {0, 2048}), Outcome::Done);
    EXPECT_EQ(machine().transitions.size(), before + 1);
    EXPECT_EQ(last_box(), "Cannot copy Reset Transition.");
}

TEST_F(TransitionEditsTest, PointAndSegmentEdits) {
    Transition* t = nullptr;
    ASSERT_EQ(add_transition(machine(), context,
                             {{1024, 1024}, {1024, 2048}, {2048, 2048}, {2048, 1024}}, &t),
              Outcome::Done);
    EXPECT_EQ(move_transition_point(machine(), context, *t, 1, {0, 0}), Outcome::Refused);
    EXPECT_EQ(last_box(), "Cannot move this point.");
    EXPECT_EQ(delete_transition_point(machine(), context, *t, 0), Outcome::Refused);
    EXPECT_EQ(last_box(), "Cannot delete this point.");
    // Moving the end onto another state reconnects it.
    EXPECT_EQ(move_transition_point(machine(), context, *t, 3, {3072, 1024}), Outcome::Done);
    EXPECT_EQ(t->to, c);
    EXPECT_EQ(move_transition_segment(machine(), context, *t, 1, {0, 256}), Outcome::Done);
    EXPECT_EQ(t->points[1], (Point{1024, 2304}));
    EXPECT_EQ(delete_transition_segment(machine(), context, *t, 1), Outcome::Done);
    ASSERT_EQ(t->points.size(), 3u);
    EXPECT_EQ(t->points[1], (Point{1536, 2304}));
    EXPECT_EQ(delete_transition_point(machine(), context, *t, 1), Outcome::Done);
    EXPECT_EQ(t->points.size(), 2u);
    EXPECT_EQ(delete_transition_segment(machine(), context, *t, 0), Outcome::Refused);
    EXPECT_EQ(last_box(), "Cannot delete this segment.");
    // Moving the origin to a free point makes it a global transition, first in line.
    Transition& bc = connect(*b, *c);
    EXPECT_EQ(move_transition_point(machine(), context, *t, 0, {512, 3072}), Outcome::Done);
    EXPECT_TRUE(is_global(*t));
    EXPECT_EQ(t->priority, 0);
    EXPECT_EQ(bc.priority, 1);

    // A curve reshapes through a moved middle point; its segments do not move alone.
    EXPECT_EQ(move_transition_point(machine(), context, bc, 25, {2560, 512}), Outcome::Done);
    EXPECT_EQ(bc.points[25], (Point{2560, 512}));
    EXPECT_EQ(bc.from, b);
    EXPECT_EQ(place_against(*b, bc.points.front()), StatePlace::Border);
    EXPECT_EQ(move_transition_segment(machine(), context, bc, 3, {64, 0}), Outcome::Refused);
    EXPECT_EQ(last_box(), "Cannot move this segment.");
    EXPECT_EQ(delete_transition_point(machine(), context, bc, 25), Outcome::Refused);
}

} // namespace
} // namespace zeph::machine_testing
