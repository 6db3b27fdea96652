// Whole-file reads and the write-then-rename save.
#include <gtest/gtest.h>

#include "app/SafeFileWrite.h"
#include "tests/TempGameFolder.h"

namespace {

TEST(SafeFileWrite, ReplacesContentOrLeavesTheOldFileWhole) {
    TempGameFolder folder;
    const std::string path = folder.Path("data/file.bin");
    const std::vector<uint8_t> first = {1, 2, 3, 4, 5};
    ASSERT_TRUE(WriteFileAtomically(path, first.data(), first.size()));
    std::vector<uint8_t> read;
    ASSERT_TRUE(ReadWholeFile(path, read));
    EXPECT_EQ(read, first);

    const std::vector<uint8_t> second(40000, 0xAB);
    for (auto fault : {safe_file_write_testing::Fault::Write, safe_file_write_testing::Fault::Rename}) {
        safe_file_write_testing::InjectFault(fault);
        EXPECT_FALSE(WriteFileAtomically(path, second.data(), second.size()));
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        EXPECT_EQ(folder.Read("data/file.bin"), first);
        EXPECT_FALSE(folder.Exists("data/file.bin.tmp"));
    }
    ASSERT_TRUE(WriteFileAtomically(path, second.data(), second.size()));
    ASSERT_TRUE(ReadWholeFile(path, read));
    EXPECT_EQ(read, second);

    ASSERT_TRUE(WriteFileAtomically(path, nullptr, 0));
    ASSERT_TRUE(ReadWholeFile(path, read));
    EXPECT_TRUE(read.empty());
}

TEST(SafeFileWrite, UnreadableOrUnwritablePathsReportFailure) {
    TempGameFolder folder;
    std::vector<uint8_t> read = {9};
    EXPECT_FALSE(ReadWholeFile(folder.Path("data/none.bin"), read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(ReadWholeFile(folder.Path("data"), read));  // a folder opens but cannot be read
    const uint8_t byte = 7;
    EXPECT_FALSE(WriteFileAtomically(folder.Path("missing/file.bin"), &byte, 1));
    EXPECT_FALSE(folder.Exists("missing"));
}

}  // namespace
