// The generator run again, into a fresh folder, must give the very bytes the
// build installed: skins and artwork are a pure function of the sources.
#include "WineTestSupport.h"
#include "device/harness/FileBytes.h"
#include "support/HostProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path FromUnixPath(const char* psz)
{
    std::wstring path = L"Z:";
    for (; *psz != '\0'; ++psz)
        path.push_back(*psz == '/' ? L'\\' : static_cast<wchar_t>(*psz));
    return path;
}

// The files below a folder, relative to it.
std::vector<fs::path> ListFiles(const fs::path& folder)
{
    std::vector<fs::path> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            names.push_back(fs::relative(entry.path(), folder));
    return names;
}

TEST(SkinGenerator, SecondRunGivesTheSameBytes)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "run once, on the 240x320 run";
    const fs::path generator = FromUnixPath(BREVANTO_BINARY_DIR "/tools/skingen.exe");
    const fs::path output = fs::temp_directory_path() / (L"brevanto_skingen_" + std::to_wstring(GetCurrentProcessId()));
    std::error_code error;
    fs::remove_all(output, error);

    ASSERT_EQ(0, RunHost(generator.wstring(),
                         L"\"" + (output / L"skins").wstring() + L"\" \"" + (output / L"art").wstring() + L"\""));

    const std::pair<fs::path, fs::path> folders[] = {{output / L"skins", TestProgramFolder() + L"\\skins"},
                                                     {output / L"art", FromUnixPath(BREVANTO_BINARY_DIR "/art")}};
    size_t nCompared = 0;
    for (const auto& [fresh, installed] : folders)
    {
        const std::vector<fs::path> names = ListFiles(fresh);
        EXPECT_EQ(names.size(), ListFiles(installed).size()) << installed;
        for (const fs::path& name : names)
        {
            const FileBytes bytes = ReadFileBytes(fresh / name);
            EXPECT_FALSE(bytes.empty()) << name;
            EXPECT_TRUE(bytes == ReadFileBytes(installed / name)) << name << " differs between runs";
            ++nCompared;
        }
    }
    // Four skins (Silver, Midnight, German, French) of two sizes (3 backgrounds, 84 keys,
    // a layout each, and an index each), and the 24 resource bitmaps.
    EXPECT_EQ(4u * (2u * (3u + 84u + 1u) + 1u) + 24u, nCompared);
    fs::remove_all(output, error);
}

}  // namespace
