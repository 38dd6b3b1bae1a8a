#include "OutputFolder.h"

#include "BmpEncoder.h"

#include <windows.h>

namespace {

std::wstring ToWindowsPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& ch : path)
        if (ch == L'/')
            ch = L'\\';
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

std::wstring Widen(const std::string& s)
{
    return std::wstring(s.begin(), s.end());  // file names are ASCII
}

}  // namespace

COutputFolder::COutputFolder(const std::wstring& path) : m_path(ToWindowsPath(path))
{
}

bool COutputFolder::Create() const
{
    for (size_t pos = m_path.find(L'\\', 3); ; pos = m_path.find(L'\\', pos + 1))
    {
        const std::wstring part = m_path.substr(0, pos);
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        if (pos == std::wstring::npos)
            return true;
    }
}

COutputFolder COutputFolder::Sub(const std::wstring& name) const
{
    return COutputFolder(m_path + L"\\" + name);
}

bool COutputFolder::WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes) const
{
    const std::wstring path = m_path + L"\\" + Widen(fileName);
    HANDLE hFile = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD dwWritten = 0;
    const BOOL bOk = WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
    const BOOL bClosed = CloseHandle(hFile);
    return bOk && bClosed && dwWritten == bytes.size();
}

bool COutputFolder::WriteText(const std::string& fileName, const std::string& text) const
{
    return WriteBytes(fileName, std::vector<std::uint8_t>(text.begin(), text.end()));
}

bool COutputFolder::WriteBitmap(const std::string& fileName, const CCanvas& canvas) const
{
    return WriteBytes(fileName, EncodeBmp24(canvas));
}
