#pragma once
// Skin models for the checker's tests, built the way the reader fills them: entries in
// file order through the product's own entry readers.
#include "SkinModel.h"
#include "common/TestCodePage.h"
#include "skin/KeyTable.h"

#include <string>
#include <utility>
#include <vector>

class CLayoutBuilder
{
public:
    explicit CLayoutBuilder(std::string file = "Test\\layout.xml")
    {
        m_model.file = std::move(file);
        m_model.bPresent = true;
        m_model.bReadable = true;
    }

    // An entry with its text and attributes (name, value) in order.
    CLayoutBuilder& Entry(const std::wstring& text, const std::vector<std::pair<std::wstring, std::wstring>>& attributes)
    {
        LayoutEntryRecord record{};
        record.nChild = m_nChild++;
        record.text = text;
        record.bHasAttributes = !attributes.empty();
        for (const auto& attribute : attributes)
            StoreLayoutAttribute(record.values, attribute.first.c_str(), attribute.second.data(),
                                 attribute.second.size(), m_codePage);
        record.target = ClassifyLayoutEntry(text.c_str());
        m_model.entries.push_back(record);
        return *this;
    }

    CLayoutBuilder& Rect(const std::wstring& text, int l, int t, int w, int h, const std::wstring& bitmap = L"")
    {
        std::vector<std::pair<std::wstring, std::wstring>> attributes = {
            {L"Left", std::to_wstring(l)}, {L"Top", std::to_wstring(t)},
            {L"Width", std::to_wstring(w)}, {L"Height", std::to_wstring(h)}};
        if (!bitmap.empty())
            attributes.push_back({L"DefaultPath", bitmap});
        return Entry(text, attributes);
    }

    // Every key in a grid of 40x40 cells per view, with a 40x40 image each, on a 480x640
    // portrait design, preceded by orientation, design and backgrounds: a skin the
    // checker must pass (tests then spoil one thing).
    CLayoutBuilder& CompleteSkin(BitmapTable& bitmaps)
    {
        Entry(L"Orientation", {{L"OrientationValue", L"5"}});
        Entry(L"DefaultBackground", {{L"BackgroundWidth", L"480"}, {L"BackgroundHeight", L"640"}});
        for (const wchar_t* psz : {L"CharBackground", L"SymbolBackground", L"NumberBackground"})
        {
            Entry(psz, {{L"DefaultPath", std::wstring(psz) + L".bmp"}});
            bitmaps[std::wstring(psz) + L".bmp"] = {BitmapFacts::State::Loaded, 480, 640};
        }
        Rect(L"char_editview", 0, 0, 480, 100);
        Rect(L"char_charview", 0, 100, 480, 60);
        int cells[4] = {0, 0, 0, 0};  // next free cell per view (index 0: keys of every view)
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            const KeyInfo* pKey = FindKeyInfo(i);
            const int nGroup = pKey->nView == VIEW_ALL ? 0 : pKey->nView;
            // Keys of every view take the bottom row; the others fill the rows above it.
            const int nCell = cells[nGroup]++;
            const int x = (nCell % 12) * 40;
            const int y = nGroup == 0 ? 600 : 160 + (nCell / 12) * 40;
            const std::wstring bitmap = std::wstring(pKey->pszEntry) + L".bmp";
            Rect(pKey->pszEntry, x, y, 40, 40, bitmap);
            bitmaps[bitmap] = {BitmapFacts::State::Loaded, 40, 40};
        }
        return *this;
    }

    // The entries with this text are dropped.
    CLayoutBuilder& Without(const std::wstring& text)
    {
        std::vector<LayoutEntryRecord> kept;
        for (const LayoutEntryRecord& record : m_model.entries)
        {
            if (record.text != text)
                kept.push_back(record);
        }
        m_model.entries = kept;
        return *this;
    }

    // The first entry with this text.
    LayoutEntryRecord& Find(const std::wstring& text)
    {
        for (LayoutEntryRecord& record : m_model.entries)
        {
            if (record.text == text)
                return record;
        }
        return m_model.entries.front();
    }

    const LayoutModel& Model() const { return m_model; }
    LayoutModel& Model() { return m_model; }

private:
    LayoutModel m_model;
    CTestCodePage m_codePage;
    int m_nChild = 2;
};
