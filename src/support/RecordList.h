#pragma once
#include <cstddef>
#include <cstdint>

// A singly linked list that owns copies of variable-size records and hands them out
// by insertion index (0, 1, 2 ... in the order they were added). It holds the
// resolution table of a skin and the options dialog's list of installed skins.
class CRecordList
{
public:
    CRecordList() = default;
    virtual ~CRecordList();
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;

    // Appends a copy of nSize bytes at pRecord; 1 on success, 0 when memory runs out
    // or pRecord is null with a non-zero size (nothing is added then).
    int Add(const void* pRecord, std::size_t nSize);

    // Clears nCapacity bytes of pOut and copies record nIndex into it; 0, with pOut
    // untouched, when there is no record with that index that fits in nCapacity.
    int Get(int nIndex, void* pOut, std::size_t nCapacity) const;

    int Count() const { return static_cast<int>(m_nCount); }

    // Frees every record; indices start again at 0.
    void Clear();

private:
    struct Node
    {
        int32_t nIndex;
        unsigned char* pRecord;
        std::size_t nSize;
        Node* pNext;
    };

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    uint32_t m_nCount = 0;
};
