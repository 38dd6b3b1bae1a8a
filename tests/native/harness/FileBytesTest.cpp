#include "device/harness/FileBytes.h"

#include <gtest/gtest.h>

#include <string>

#include <unistd.h>

namespace {

TEST(FileBytes, WritesReadsBackAndSaysWhatItCannotDo)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    // One name per process: suites running side by side do not share the file.
    const std::filesystem::path path = folder / ("brevanto_FileBytesTest_" + std::to_string(::getpid()) + ".bin");
    ASSERT_TRUE(WriteFileBytes(path, std::u16string(u"ab")));
    FileBytes bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ((FileBytes{'a', 0, 'b', 0}), bytes);
    std::filesystem::remove(path);

    EXPECT_FALSE(ReadFileBytes(path, bytes)) << "a missing file";
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(WriteFileBytes(path / "inside", "x", 1)) << "a file in a missing folder";
    EXPECT_FALSE(ReadFileBytes(folder, bytes)) << "a folder";
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
