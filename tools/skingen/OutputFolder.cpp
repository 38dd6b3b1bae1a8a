#include "OutputFolder.h"

#include "BmpEncoder.h"
#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"

#include <filesystem>

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

}  // namespace

COutputFolder::COutputFolder(const std::wstring& path) : m_path(ToWindowsPath(path))
{
}

bool COutputFolder::Create() const
{
    std::error_code error;
    std::filesystem::create_directories(m_path, error);
    return !error && std::filesystem::is_directory(m_path, error);
}

COutputFolder COutputFolder::Sub(const std::wstring& name) const
{
    return COutputFolder(m_path + L"\\" + name);
}

bool COutputFolder::WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes) const
{
    return WriteFileBytes(m_path + L"\\" + Widen(fileName), bytes);
}

bool COutputFolder::WriteText(const std::string& fileName, const std::string& text) const
{
    return WriteBytes(fileName, std::vector<std::uint8_t>(text.begin(), text.end()));
}

bool COutputFolder::WriteBitmap(const std::string& fileName, const CCanvas& canvas) const
{
    return WriteBytes(fileName, EncodeBmp24(canvas));
}
