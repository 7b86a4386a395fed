// Random edits, undos and redos checked against a reference model of the history: a list of
// text states with a current index, where a new edit first re-appends the undone states in
// reverse. The text must always equal the model's, every state the buffer ever had must stay
// reachable, and undoing everything must walk the model's states back to the start.
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace zped {
namespace {

using test::buffer_with;
using test::text_of;

bool lines_fit(const std::string& text) {
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        std::size_t end = nl == std::string::npos ? text.size() : nl;
        if (end - from > static_cast<std::size_t>(kMaxLineLength)) return false;
        if (nl == std::string::npos) return true;
        from = nl + 1;
    }
}

std::size_t offset_of(const std::string& text, TextPosition p) {
    std::size_t offset = 0;
    for (int line = 0; line < p.line; ++line)
        offset = text.find('\n', offset) + 1;
    return offset + static_cast<std::size_t>(p.column);
}

struct HistoryModel {
    std::vector<std::string> states;
    std::size_t current = 0;

    bool edit(const std::string& text_after) {
        for (std::size_t i = states.size() - 1; i > current; --i)
            states.push_back(states[i - 1]);
        current = states.size() - 1;
        if (!lines_fit(text_after)) return false;
        states.push_back(text_after);
        ++current;
        return true;
    }
};

class RandomEdits {
  public:
    explicit RandomEdits(unsigned seed) : rng_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    TextPosition position(const EditBuffer& b) {
        int line = below(b.line_count());
        return {line, below(b.line_length(line) + 1)};
    }
    std::string text() {
        static const char alphabet[] = "ab \t\n\n";
        int length = below(8);
        if (below(10) == 0) length = 60 + below(150); // long pieces reach the line limit
        std::string t;
        for (int i = 0; i < length; ++i)
            t += alphabet[below(sizeof alphabet - 1)];
        return t;
    }

  private:
    std::mt19937 rng_;
};

void run_sequence(unsigned seed, int steps) {
    ScopedScriptedUi scripted;
    auto buffer = buffer_with("first line\nsecond\n\tthird");
    EditBuffer& b = *buffer;
    HistoryModel model{{text_of(b)}, 0};
    std::vector<std::string> edited_states;
    std::set<std::string> every_state{text_of(b)};
    RandomEdits random(seed);

    for (int step = 0; step < steps; ++step) {
        int action = random.below(10);
        if (action < 6) {
            TextPosition from = random.position(b);
            TextPosition to = random.below(3) == 0 ? from : random.position(b);
            if (to < from) std::swap(from, to);
            std::string text = random.text();
            std::string before = text_of(b);
            std::string after = before.substr(0, offset_of(before, from)) + text +
                                before.substr(offset_of(before, to));
            ApplyEdit(b, from, to, text, end_of_inserted(from, text), {},
                      SelectionRequest::empty_at(from));
            if (model.edit(after)) edited_states.push_back(after);
        } else if (action < 8) {
            int result = UndoEdit(b);
            ASSERT_EQ(result == 0, model.current > 0) << "step " << step;
            if (result == 0) --model.current;
        } else {
            int result = RedoEdit(b);
            ASSERT_EQ(result == 0, model.current + 1 < model.states.size()) << "step " << step;
            if (result == 0) ++model.current;
        }
        ASSERT_EQ(text_of(b), model.states[model.current]) << "seed " << seed << " step " << step;
        ASSERT_EQ(b.history.size(), model.states.size());
        ASSERT_TRUE(b.invariants_hold(0, b.line_count()));
        every_state.insert(text_of(b));
    }

    // The states made by edits appear in the history in the order they were made.
    std::size_t next = 0;
    for (const std::string& state : model.states)
        if (next < edited_states.size() && state == edited_states[next]) ++next;
    EXPECT_EQ(next, edited_states.size()) << "seed " << seed;

    // Redo to the end, then undo everything: each step shows the model's previous state.
    while (RedoEdit(b) == 0)
        ++model.current;
    std::set<std::string> reached{text_of(b)};
    while (model.current > 0) {
        ASSERT_EQ(UndoEdit(b), 0);
        --model.current;
        ASSERT_EQ(text_of(b), model.states[model.current]) << "seed " << seed;
        reached.insert(text_of(b));
    }
    EXPECT_EQ(UndoEdit(b), 1);
    for (const std::string& state : every_state)
        EXPECT_TRUE(reached.count(state)) << "lost state: " << state;
    // The only messages are the line-limit refusals.
    for (const std::string& box : scripted.ui.texts("box"))
        EXPECT_EQ(box, "Transaction ignored because\nresulting line would become too long. ");
}

TEST(ZpedHistoryProperty, RandomEditsUndosAndRedosMatchTheModel) {
    for (unsigned seed = 1; seed <= 60; ++seed)
        run_sequence(seed, 250);
}

TEST(ZpedHistoryProperty, UndoTwiceThenEditKeepsEveryEarlierState) {
    ScopedScriptedUi scripted;
    auto buffer = buffer_with("");
    EditBuffer& b = *buffer;
    test::insert(b, {0, 0}, "a");
    test::insert(b, {0, 1}, "b");
    test::insert(b, {0, 2}, "c");
    ASSERT_EQ(UndoEdit(b), 0);
    ASSERT_EQ(UndoEdit(b), 0);
    test::insert(b, {0, 1}, "X");
    std::vector<std::string> walked;
    do
        walked.push_back(text_of(b));
    while (UndoEdit(b) == 0);
    EXPECT_EQ(walked, (std::vector<std::string>{"aX", "a", "ab", "abc", "ab", "a", ""}));
}

} // namespace
} // namespace zped
