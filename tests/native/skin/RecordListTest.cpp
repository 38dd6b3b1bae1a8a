#include "skin/RecordList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct Sample { int a; int b; char name[8]; };

TEST(RecordList, HandsOutCopiesByInsertionIndex)
{
    CRecordList list;
    Sample s0{1, 2, "zero"};
    Sample s1{3, 4, "one"};
    ASSERT_EQ(1, list.Add(&s0, sizeof s0));
    ASSERT_EQ(1, list.Add(&s1, sizeof s1));
    // The list holds copies: later changes to the originals do not reach it.
    s0.a = 99;
    std::strcpy(s1.name, "xx");
    EXPECT_EQ(2, list.Count());

    Sample out{};
    ASSERT_EQ(1, list.Get(0, &out, sizeof out));
    EXPECT_EQ(1, out.a);
    EXPECT_STREQ("zero", out.name);
    ASSERT_EQ(1, list.Get(1, &out, sizeof out));
    EXPECT_EQ(3, out.a);
    EXPECT_EQ(4, out.b);
    EXPECT_STREQ("one", out.name);
}

struct GetCase { int nIndex; size_t nCapacity; int nExpected; };

class RecordListGet : public testing::TestWithParam<GetCase> {};

// Records of 4, 8 and 2 bytes at indices 0, 1, 2.
TEST_P(RecordListGet, FindsOnlyAGivenIndexThatFits)
{
    CRecordList list;
    const unsigned char r0[4] = {1, 2, 3, 4};
    const unsigned char r1[8] = {5, 6, 7, 8, 9, 10, 11, 12};
    const unsigned char r2[2] = {13, 14};
    ASSERT_EQ(1, list.Add(r0, sizeof r0));
    ASSERT_EQ(1, list.Add(r1, sizeof r1));
    ASSERT_EQ(1, list.Add(r2, sizeof r2));

    const GetCase& c = GetParam();
    std::vector<unsigned char> buffer(16, 0xAA);
    EXPECT_EQ(c.nExpected, list.Get(c.nIndex, buffer.data(), c.nCapacity));
    const unsigned char* pExpected[] = {r0, r1, r2};
    const size_t sizes[] = {sizeof r0, sizeof r1, sizeof r2};
    for (size_t i = 0; i < buffer.size(); ++i)
    {
        unsigned char expected = 0xAA;  // untouched
        if (c.nExpected == 1 && i < c.nCapacity)
            expected = i < sizes[c.nIndex] ? pExpected[c.nIndex][i] : 0;  // copied, rest cleared
        EXPECT_EQ(expected, buffer[i]) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RecordListGet, testing::Values(
    GetCase{0, 4, 1}, GetCase{0, 10, 1}, GetCase{1, 8, 1}, GetCase{1, 12, 1}, GetCase{2, 2, 1},
    GetCase{1, 7, 0}, GetCase{0, 3, 0}, GetCase{0, 0, 0}, GetCase{3, 16, 0}, GetCase{-1, 16, 0},
    GetCase{2147483647, 16, 0}));

TEST(RecordList, ClearEmptiesAndRestartsIndicesAtZero)
{
    CRecordList list;
    const int values[] = {10, 20, 30};
    for (int v : values)
        ASSERT_EQ(1, list.Add(&v, sizeof v));
    list.Clear();
    EXPECT_EQ(0, list.Count());
    int out = -1;
    EXPECT_EQ(0, list.Get(0, &out, sizeof out));
    EXPECT_EQ(-1, out);

    const int again = 40;
    ASSERT_EQ(1, list.Add(&again, sizeof again));
    ASSERT_EQ(1, list.Get(0, &out, sizeof out));
    EXPECT_EQ(40, out);
    EXPECT_EQ(0, list.Get(1, &out, sizeof out));
}

TEST(RecordList, RefusesANullRecordWithASize)
{
    CRecordList list;
    EXPECT_EQ(0, list.Add(nullptr, 4));
    EXPECT_EQ(0, list.Count());
    int out = 7;
    EXPECT_EQ(0, list.Get(0, &out, sizeof out));
    EXPECT_EQ(7, out);
}

TEST(RecordList, KeepsManyRecordsInOrder)
{
    // The sanitizers check that every node and copy is freed by the destructor.
    CRecordList list;
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(1, list.Add(&i, sizeof i));
    EXPECT_EQ(10000, list.Count());
    for (int i : {0, 1, 4999, 9999})
    {
        int out = -1;
        ASSERT_EQ(1, list.Get(i, &out, sizeof out));
        EXPECT_EQ(i, out);
    }
}

}  // namespace
