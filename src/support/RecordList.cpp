#include "support/RecordList.h"

#include <cstring>
#include <new>

CRecordList::~CRecordList()
{
    Clear();
}

int CRecordList::Add(const void* pRecord, std::size_t nSize)
{
    if (pRecord == nullptr && nSize != 0)
        return 0;
    Node* pNode = new (std::nothrow) Node{};
    if (pNode == nullptr)
        return 0;
    pNode->pRecord = new (std::nothrow) unsigned char[nSize == 0 ? 1 : nSize];
    if (pNode->pRecord == nullptr)
    {
        delete pNode;
        return 0;
    }
    if (nSize != 0)
        std::memcpy(pNode->pRecord, pRecord, nSize);
    pNode->nSize = nSize;
    pNode->nIndex = static_cast<int32_t>(m_nCount);
    pNode->pNext = nullptr;
    if (m_pTail != nullptr)
        m_pTail->pNext = pNode;
    else
        m_pHead = pNode;
    m_pTail = pNode;
    ++m_nCount;
    return 1;
}

int CRecordList::Get(int nIndex, void* pOut, std::size_t nCapacity) const
{
    if (pOut == nullptr)
        return 0;
    for (const Node* pNode = m_pHead; pNode != nullptr; pNode = pNode->pNext)
    {
        if (pNode->nIndex != nIndex || pNode->nSize > nCapacity)
            continue;
        std::memset(pOut, 0, nCapacity);
        if (pNode->nSize != 0)
            std::memcpy(pOut, pNode->pRecord, pNode->nSize);
        return 1;
    }
    return 0;
}

void CRecordList::Clear()
{
    Node* pNode = m_pHead;
    while (pNode != nullptr)
    {
        Node* pNext = pNode->pNext;
        delete[] pNode->pRecord;
        delete pNode;
        pNode = pNext;
    }
    m_pHead = nullptr;
    m_pTail = nullptr;
    m_nCount = 0;
}
