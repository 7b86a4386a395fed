// The contiguous lookup tables: the pointer set against std::set under random inserts and
// erases (erasing moves members back along their probe runs), the name index's first-wins rule
// across growth.
#include "foundation/flat_name_index.h"
#include "foundation/pointer_set.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace zeph;

TEST(PointerSet, AgreesWithStdSetUnderRandomInsertsAndErases) {
    // Addresses from one array, as heap blocks are: close together with equal low bits.
    std::vector<long long> storage(4096);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, storage.size() - 1);
    PointerSet set;
    std::set<const void*> expected;
    for (int step = 0; step < 200'000; ++step) {
        const void* p = &storage[pick(random)];
        if (random() % 3 == 0) {
            EXPECT_EQ(set.erase(p), expected.erase(p) == 1);
        } else {
            EXPECT_EQ(set.insert(p), expected.insert(p).second);
        }
        if (step % 997 != 0) continue;
        for (const auto& q : storage) {
            ASSERT_EQ(set.contains(&q), expected.count(&q) == 1) << "step " << step;
        }
    }
    EXPECT_EQ(set.size(), expected.size());
    std::set<const void*> visited;
    set.for_each([&](const void* p) { visited.insert(p); });
    EXPECT_EQ(visited, expected);
    EXPECT_FALSE(set.insert(nullptr));
    EXPECT_FALSE(set.contains(nullptr));
    EXPECT_FALSE(PointerSet{}.contains(&storage[0]));
}

TEST(FlatNameIndex, FirstValueOfANameStaysThroughGrowth) {
    FlatNameIndex index;
    EXPECT_EQ(index.find("a"), nullptr);
    for (std::uint32_t i = 0; i < 5'000; ++i)
        ASSERT_TRUE(index.add("entity" + std::to_string(i), i));
    EXPECT_FALSE(index.add("entity17", 99));
    EXPECT_TRUE(index.add("", 5'000));
    EXPECT_EQ(index.size(), 5'001u);
    for (std::uint32_t i = 0; i < 5'000; ++i) {
        const std::uint32_t* value = index.find("entity" + std::to_string(i));
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, i);
    }
    EXPECT_EQ(*index.find(""), 5'000u);
    EXPECT_EQ(index.find("entity5000"), nullptr);
    EXPECT_EQ(index.find("Entity1"), nullptr); // names are compared exactly
}

} // namespace
