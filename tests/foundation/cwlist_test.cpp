// The list engine: null values, cursor rules, positions, searches, traversal depth, copies.
#include "channel_capture.h"

#include "foundation/cwlist.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using test::assertions;

class Cwlist : public test::FoundationTest {
  protected:
    CwList* list_of(std::initializer_list<CwDatum> items, CwDatum null_value = 0) {
        CwList* l = cwlist_create(0, 0, null_value);
        for (CwDatum d : items) cwlist_append(l, d);
        return l;
    }
    std::vector<CwDatum> items(CwList* l) {
        std::vector<CwDatum> v;
        for (long i = 1; i <= cwlist_count(l); ++i) v.push_back(cwlist_nth(l, i));
        return v;
    }
};

TEST_F(Cwlist, HeaderIsTaggedGuardedBlockOfSixWords) {
    CwList* l = cwlist_create(0, 5, 0);
    EXPECT_EQ(cwmem_get_tag(l), 76);
    EXPECT_EQ(cwmem_size(l), static_cast<long>(6 * sizeof(void*)));
    EXPECT_EQ(cwlist_get_user(l), 5);
    cwlist_destroy(l);
    EXPECT_EQ(cwmem_live_count(), 0);
}

TEST_F(Cwlist, NullValueMinusOneIsReturnedAndRefused) {
    CwList* l = cwlist_create(0, 0, -1);
    EXPECT_EQ(cwlist_first(l), -1);
    EXPECT_EQ(cwlist_pop_head(l), -1);
    EXPECT_TRUE(assertions().empty());
    EXPECT_EQ(cwlist_append(l, -1), -1);
    EXPECT_EQ(cwlist_prepend(l, -1), -1);
    EXPECT_EQ(cwlist_count(l), 0);
    EXPECT_EQ(assertions().size(), 2u);
    cwlist_append(l, 0); // 0 is an ordinary element here
    EXPECT_EQ(cwlist_first(l), 0);
    cwlist_destroy(l);
}

TEST_F(Cwlist, NthOutOfRangeAssertsAndReturnsNull) {
    CwList* one = list_of({42}, -1);
    EXPECT_EQ(cwlist_nth(one, 1), 42);
    EXPECT_EQ(cwlist_nth(one, 0), -1);
    EXPECT_EQ(cwlist_nth(one, 2), -1);
    EXPECT_EQ(cwlist_nth_from_tail(one, 3), -1);
    EXPECT_EQ(assertions().size(), 3u);
    for (const std::string& a : assertions()) EXPECT_NE(a.find("cwlist, line"), std::string::npos);
    cwlist_destroy(one);
}

TEST_F(Cwlist, CursorMovesAndClearsPastEitherEnd) {
    CwList* l = list_of({1, 2, 3});
    EXPECT_EQ(cwlist_position(l), 3) << "append makes the new node current";
    EXPECT_EQ(cwlist_first(l), 1);
    EXPECT_EQ(cwlist_next(l), 2);
    EXPECT_EQ(cwlist_position(l), 2);
    EXPECT_EQ(cwlist_next(l), 3);
    EXPECT_EQ(cwlist_next(l), 0);
    EXPECT_EQ(cwlist_position(l), -1);
    EXPECT_EQ(cwlist_last(l), 3);
    EXPECT_EQ(cwlist_prev(l), 2);
    EXPECT_EQ(cwlist_forward(l, 5), 0) << "a move that leaves the list does not happen";
    EXPECT_EQ(cwlist_current(l), 2);
    EXPECT_EQ(cwlist_back(l, 1), 1);
    EXPECT_EQ(cwlist_nth_from_tail(l, 1), 3);
    cwlist_destroy(l);
}

TEST_F(Cwlist, RemovalsClearTheCursor) {
    CwList* l = list_of({1, 2, 3});
    cwlist_nth(l, 2);
    EXPECT_EQ(cwlist_remove_current(l), 2);
    EXPECT_EQ(cwlist_position(l), -1);
    EXPECT_EQ(cwlist_remove_current(l), 0);
    cwlist_first(l);
    EXPECT_EQ(cwlist_remove(l, 3), 3);
    EXPECT_EQ(cwlist_position(l), -1);
    EXPECT_EQ(cwlist_remove(l, 99), 0);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{1}));
    cwlist_destroy(l);
}

TEST_F(Cwlist, InsertNextToCursorNeedsACursor) {
    CwList* l = list_of({1, 3});
    cwlist_next(l); // past the end: no cursor
    EXPECT_EQ(cwlist_insert_before(l, 9), 0);
    cwlist_first(l);
    EXPECT_EQ(cwlist_insert_after(l, 2), 2);
    EXPECT_EQ(cwlist_position(l), 2);
    cwlist_first(l);
    cwlist_insert_before(l, 0);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{0, 1, 2, 3}));
    cwlist_destroy(l);
}

int equals(CwDatum d, CwDatum arg, CwList*) { return d == arg; }
int is_even(CwDatum d, CwDatum, CwList*) { return d % 2 == 0; }

TEST_F(Cwlist, SearchesInEveryDirection) {
    CwList* l = list_of({4, 1, 4, 2});
    EXPECT_EQ(cwlist_search(l, equals, 4), 4);
    EXPECT_EQ(cwlist_position(l), 1);
    EXPECT_EQ(cwlist_search_from_current(l, equals, 4), 4);
    EXPECT_EQ(cwlist_position(l), 3);
    EXPECT_EQ(cwlist_search_back_from_current(l, equals, 4), 4);
    EXPECT_EQ(cwlist_position(l), 1);
    EXPECT_EQ(cwlist_search_back(l, is_even, 0), 2);
    EXPECT_EQ(cwlist_position(l), 4);
    EXPECT_EQ(cwlist_search(l, equals, 7), 0);
    EXPECT_EQ(cwlist_position(l), 4) << "a failed search leaves the cursor";
    EXPECT_EQ(cwlist_find(l, 1), 1);
    EXPECT_EQ(cwlist_position(l), 2);
    cwlist_destroy(l);
}

struct Visit {
    std::vector<CwDatum> seen;
    bool try_clear = false;
};

void visit(CwDatum d, CwDatum arg, CwList* l) {
    auto* v = reinterpret_cast<Visit*>(arg);
    v->seen.push_back(d);
    cwlist_last(l); // moving the cursor is allowed; it is restored
    if (v->try_clear) cwlist_clear(l);
}

TEST_F(Cwlist, TraversalsRestoreTheCursorAndForbidStructuralChanges) {
    CwList* l = list_of({1, 2, 3});
    cwlist_nth(l, 2);
    Visit v;
    cwlist_for_each(l, visit, reinterpret_cast<CwDatum>(&v));
    EXPECT_EQ(v.seen, (std::vector<CwDatum>{1, 2, 3}));
    EXPECT_EQ(cwlist_position(l), 2);
    v.seen.clear();
    cwlist_for_each_back_from_current(l, visit, reinterpret_cast<CwDatum>(&v));
    EXPECT_EQ(v.seen, (std::vector<CwDatum>{2, 1}));
    v.seen.clear();
    cwlist_for_each_from_current(l, visit, reinterpret_cast<CwDatum>(&v));
    EXPECT_EQ(v.seen, (std::vector<CwDatum>{2, 3}));
    EXPECT_TRUE(assertions().empty());

    v = Visit{{}, true};
    cwlist_for_each_back(l, visit, reinterpret_cast<CwDatum>(&v));
    EXPECT_EQ(v.seen, (std::vector<CwDatum>{3, 2, 1}));
    EXPECT_EQ(assertions().size(), 3u) << "each clear during the traversal is refused";
    EXPECT_EQ(cwlist_count(l), 3);
    EXPECT_EQ(cwlist_depth(l), 0);
    cwlist_destroy(l);
}

TEST_F(Cwlist, SwapsExchangePositionsAndLists) {
    CwList* l = list_of({1, 2, 3});
    cwlist_first(l);
    cwlist_swap_items(l, 1, 3);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{3, 2, 1}));
    cwlist_nth(l, 2);
    cwlist_swap_current(l, 1);
    EXPECT_EQ(cwlist_current(l), 2) << "the cursor stays with its node";
    EXPECT_EQ(cwlist_position(l), 3);
    CwList* other = list_of({7});
    cwlist_set_user(other, 70);
    cwlist_swap_lists(l, other);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{7}));
    EXPECT_EQ(cwlist_get_user(l), 70);
    EXPECT_EQ(cwlist_count(other), 3);
    cwlist_destroy(l);
    cwlist_destroy(other);
}

TEST_F(Cwlist, FilterExtractSplitAndConcat) {
    CwList* l = list_of({1, 2, 3, 4, 5});
    cwlist_set_user(l, 9);
    CwList* even = cwlist_filter(l, is_even, 0);
    EXPECT_EQ(items(even), (std::vector<CwDatum>{2, 4}));
    EXPECT_EQ(cwlist_get_user(even), -1);
    CwList* copy = cwlist_copy(l);
    EXPECT_EQ(cwlist_get_user(copy), 9);

    CwList* taken = cwlist_extract(l, is_even, 0);
    EXPECT_EQ(items(taken), (std::vector<CwDatum>{2, 4}));
    EXPECT_EQ(items(l), (std::vector<CwDatum>{1, 3, 5}));

    cwlist_nth(l, 2);
    CwList* before = cwlist_split_before(l);
    EXPECT_EQ(items(before), (std::vector<CwDatum>{1}));
    cwlist_first(l);
    CwList* after = cwlist_split_after(l);
    EXPECT_EQ(items(after), (std::vector<CwDatum>{5}));
    EXPECT_EQ(items(l), (std::vector<CwDatum>{3}));

    cwlist_concat(l, after);
    cwlist_concat(l, taken);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{3, 5, 2, 4}));
    CwList* minus = cwlist_create(0, 0, -1);
    cwlist_concat(l, minus);
    EXPECT_EQ(assertions().size(), 1u) << "lists with different null values do not join";

    CwList* empty = cwlist_create(0, 0, 0);
    EXPECT_EQ(cwlist_split_before(empty), nullptr);
    for (CwList* x : {l, even, copy, before, minus, empty}) cwlist_destroy(x);
    EXPECT_EQ(cwmem_live_count(), 0);
}

char* block_with(const char* text) {
    auto* p = static_cast<char*>(cwmem_calloc(static_cast<long>(std::strlen(text) + 1)));
    std::strcpy(p, text);
    return p;
}

TEST_F(Cwlist, DeepCopiesDuplicateDataAndDestroyAllFreesThem) {
    CwList* l = cwlist_create(cwlist_datum(block_with("head")), 0, 0);
    cwlist_append(l, cwlist_datum(block_with("a")));
    cwlist_append(l, cwlist_datum(block_with("b")));
    CwList* deep = cwlist_copy_deep(l);
    EXPECT_NE(cwlist_first(deep), cwlist_first(l));
    EXPECT_STREQ(cwlist_pointer<char>(cwlist_nth(deep, 2)), "b");
    EXPECT_STREQ(cwlist_pointer<char>(cwlist_get_head_data(deep)), "head");
    cwlist_destroy_all(l);
    cwlist_destroy_all(deep);
    EXPECT_EQ(cwmem_live_count(), 0);
    EXPECT_TRUE(assertions().empty());

    CwList* values = cwlist_create(0, 0, -1);
    cwlist_destroy_all(values); // null value not 0: data are not pointers
    EXPECT_EQ(assertions().size(), 1u);
    cwlist_destroy(values);
}

TEST_F(Cwlist, HeadDataOfZeroIsAnAssertion) {
    CwList* l = cwlist_create(0, 0, 0);
    EXPECT_EQ(cwlist_get_head_data(l), 0);
    EXPECT_EQ(assertions().size(), 1u);
    cwlist_set_head_data(l, 77);
    EXPECT_EQ(cwlist_get_head_data(l), 77);
    cwlist_destroy(l);
}

TEST_F(Cwlist, NotAListIsRefused) {
    void* block = cwmem_calloc(48);
    EXPECT_EQ(cwlist_count(reinterpret_cast<CwList*>(block)), 0);
    EXPECT_EQ(cwlist_count(nullptr), 0);
    EXPECT_EQ(assertions().size(), 2u);
    cwmem_free(block);
}

TEST_F(Cwlist, ClearKeepsTheListUsable) {
    CwList* l = list_of({1, 2});
    cwlist_clear(l);
    EXPECT_EQ(cwlist_count(l), 0);
    EXPECT_EQ(cwlist_position(l), -1);
    cwlist_append(l, 5);
    EXPECT_EQ(items(l), (std::vector<CwDatum>{5}));
    cwlist_destroy(l);
}

} // namespace
