#include "device/harness/FileBytes.h"

#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::filesystem::path& path, FileBytes& bytes)
{
    bytes.clear();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;   // a folder opens as a stream on some systems and fails (throws) on reading
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    try
    {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    catch (const std::ios_base::failure&)
    {
        bytes.clear();
        return false;
    }
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
