#include "FileBytes.h"

#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::filesystem::path& path, FileBytes& bytes)
{
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
    {
        bytes.clear();
        return false;
    }
    return true;
}

FileBytes ReadFileBytes(const std::filesystem::path& path)
{
    FileBytes bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

bool WriteFileBytes(const std::filesystem::path& path, const void* pData, std::size_t cbData)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(static_cast<const char*>(pData), static_cast<std::streamsize>(cbData));
    out.close();
    return !out.fail();
}
