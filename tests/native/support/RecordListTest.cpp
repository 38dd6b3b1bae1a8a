#include "support/RecordList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Record = std::vector<unsigned char>;

const std::vector<Record> kRecords = {{1, 2, 3, 4}, {5, 6, 7, 8, 9, 10, 11, 12}, {13, 14}};

struct GetCase { int nIndex; size_t nCapacity; int nExpected; };

class RecordListGet : public testing::TestWithParam<GetCase> {};

// Records of 4, 8 and 2 bytes at indices 0, 1, 2.
TEST_P(RecordListGet, FindsOnlyAGivenIndexThatFits)
{
    CRecordList list;
    for (Record r : kRecords)
    {
        ASSERT_EQ(1, list.Add(r.data(), r.size()));
        std::fill(r.begin(), r.end(), 0xEE);  // the list holds a copy
    }
    EXPECT_EQ(3, list.Count());

    const GetCase& c = GetParam();
    std::vector<unsigned char> buffer(16, 0xAA);
    EXPECT_EQ(c.nExpected, list.Get(c.nIndex, buffer.data(), c.nCapacity));
    for (size_t i = 0; i < buffer.size(); ++i)
    {
        unsigned char expected = 0xAA;  // untouched
        if (c.nExpected == 1 && i < c.nCapacity)
            expected = i < kRecords[c.nIndex].size() ? kRecords[c.nIndex][i] : 0;  // copied, rest cleared
        EXPECT_EQ(expected, buffer[i]) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RecordListGet, testing::Values(
    GetCase{0, 4, 1}, GetCase{0, 10, 1}, GetCase{1, 8, 1}, GetCase{1, 12, 1}, GetCase{2, 2, 1},
    GetCase{1, 7, 0}, GetCase{0, 3, 0}, GetCase{0, 0, 0}, GetCase{3, 16, 0}, GetCase{-1, 16, 0},
    GetCase{2147483647, 16, 0}));

TEST(RecordList, ClearEmptiesAndRestartsIndicesAtZeroAndNullIsRefused)
{
    CRecordList list;
    const int values[] = {10, 20, 30};
    for (int v : values)
        ASSERT_EQ(1, list.Add(&v, sizeof v));
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(0, list.Add(nullptr, 4)) << "a null record with a size";
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
