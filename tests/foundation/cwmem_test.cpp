// Guarded blocks: layout, fill bytes, registry and the checks on every operation.
#include "channel_capture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using test::assertions;

class Cwmem : public test::FoundationTest {};

const unsigned char* bytes(const void* p) { return static_cast<const unsigned char*>(p); }

TEST_F(Cwmem, BlockLayoutHasSizeTagSpareAndGuards) {
    void* p = cwmem_alloc(5);
    ASSERT_NE(p, nullptr);
    const unsigned char* block = bytes(p) - 8;
    std::uint32_t size;
    std::memcpy(&size, block, 4);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(block[4], 32); // blank tag
    EXPECT_EQ(block[7], 0xAD);
    EXPECT_EQ(bytes(p)[5], 0xAD);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bytes(p)[i], 0xEE);
    EXPECT_EQ(cwmem_size(p), 5);
    cwmem_free(p);
    EXPECT_TRUE(assertions().empty());
}

TEST_F(Cwmem, CallocZeroesAndDupCopies) {
    auto* p = static_cast<char*>(cwmem_calloc(16));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
    std::strcpy(p, "guarded");
    auto* q = static_cast<char*>(cwmem_dup(p));
    EXPECT_STREQ(q, "guarded");
    EXPECT_EQ(cwmem_size(q), 16);
    EXPECT_EQ(cwmem_live_count(), 2);
    cwmem_free(p);
    cwmem_free(q);
    EXPECT_EQ(cwmem_live_count(), 0);
}

TEST_F(Cwmem, ReallocFillsGainedBytesAndKeepsData) {
    auto* p = static_cast<unsigned char*>(cwmem_calloc(4));
    p = static_cast<unsigned char*>(cwmem_realloc(p, 8));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(p[i], 0);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(p[i], 0xEE);
    EXPECT_EQ(p[8], 0xAD);
    p = static_cast<unsigned char*>(cwmem_recalloc(p, 12));
    for (int i = 8; i < 12; ++i) EXPECT_EQ(p[i], 0);
    p = static_cast<unsigned char*>(cwmem_realloc(p, 2));
    EXPECT_EQ(cwmem_size(p), 2);
    EXPECT_EQ(p[2], 0xAD);
    EXPECT_EQ(cwmem_live_count(), 1);
    cwmem_free(p);
    EXPECT_TRUE(assertions().empty());
}

TEST_F(Cwmem, TagsAcceptOnlyTheFourValues) {
    void* p = cwmem_alloc(1);
    for (int tag : {76, 81, 83, 32}) {
        cwmem_set_tag(p, tag);
        EXPECT_EQ(cwmem_get_tag(p), tag);
    }
    cwmem_set_tag(p, 65);
    EXPECT_EQ(assertions().size(), 1u);
    EXPECT_EQ(cwmem_get_tag(p), 32);
    cwmem_free(p);
}

TEST_F(Cwmem, DoubleFreeIsCaughtAndNotExecuted) {
    void* p = cwmem_alloc(10);
    cwmem_free(p);
    EXPECT_TRUE(assertions().empty());
    cwmem_free(p); // must not touch the heap block again (ASan would report it)
    ASSERT_EQ(assertions().size(), 1u);
    EXPECT_NE(assertions()[0].find("cwmem, line"), std::string::npos);
    EXPECT_EQ(cwmem_live_count(), 0);
}

TEST_F(Cwmem, OneByteOverrunIsReportedAtTheNextOperation) {
    auto* p = static_cast<unsigned char*>(cwmem_alloc(3));
    p[3] = 'x'; // one past the end: the trailing guard
    EXPECT_TRUE(assertions().empty());
    EXPECT_EQ(cwmem_size(p), -1);
    ASSERT_EQ(assertions().size(), 1u);
    std::string overrun = assertions()[0];

    p[3] = 0xAD;
    p[-1] = 0; // underrun: the leading guard
    cwmem_size(p);
    ASSERT_EQ(assertions().size(), 2u);
    EXPECT_NE(assertions()[1], overrun) << "leading and trailing guard checks name their own lines";
    p[-1] = 0xAD;
    cwmem_free(p);
    EXPECT_EQ(cwmem_live_count(), 0);
}

TEST_F(Cwmem, BadPointersAssertAndYieldNone) {
    EXPECT_EQ(cwmem_size(nullptr), -1);
    char local[16] = {};
    EXPECT_EQ(cwmem_size(local + 8), -1);     // not registered
    EXPECT_EQ(cwmem_size(local + 9), -1);     // not aligned
    EXPECT_EQ(cwmem_alloc(0), nullptr);
    EXPECT_EQ(cwmem_alloc(-4), nullptr);
    EXPECT_EQ(assertions().size(), 5u);
    for (const std::string& a : assertions()) EXPECT_NE(a.find("cwmem"), std::string::npos);
}

TEST_F(Cwmem, UninitialisedAndDoubleInitAssert) {
    cwmem_init();
    EXPECT_EQ(assertions().size(), 1u);
    cwmem_shutdown();
    EXPECT_EQ(cwmem_alloc(4), nullptr);
    EXPECT_EQ(assertions().size(), 2u);
    cwmem_init();
}

} // namespace
