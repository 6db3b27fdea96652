// The bounded whole-file read and the write-then-rename save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "formats/BoundedFileRead.h"
#include "platform/SafeFileWrite.h"
#include "tests/TempGameFolder.h"
#include "tests/hooks/TestHooks.h"

namespace {

constexpr FileLimit kTestLimit{"test file", 40000};

bool HasTemporaryFile(const TempGameFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path("data"))) {
        if (entry.path().filename().string().find(".tmp") != std::string::npos) return true;
    }
    return false;
}

TEST(SafeFileWrite, ReplacesContentOrLeavesTheOldFileWhole) {
    TempGameFolder folder;
    const std::string path = folder.Path("data/file.bin");
    const std::vector<uint8_t> first = {1, 2, 3, 4, 5};
    ASSERT_TRUE(WriteFileAtomically(path, first.data(), first.size()));
    std::vector<uint8_t> read;
    ASSERT_TRUE(ReadFileWithin(path, kTestLimit, read));
    EXPECT_EQ(read, first);

    const std::vector<uint8_t> second(40000, 0xAB);
    for (auto fault : {safe_file_write_testing::Fault::Write, safe_file_write_testing::Fault::Rename}) {
        safe_file_write_testing::InjectFault(fault);
        EXPECT_FALSE(WriteFileAtomically(path, second.data(), second.size()));
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        EXPECT_EQ(folder.Read("data/file.bin"), first);
        EXPECT_FALSE(HasTemporaryFile(folder));
    }
    ASSERT_TRUE(WriteFileAtomically(path, second.data(), second.size()));
    ASSERT_TRUE(ReadFileWithin(path, kTestLimit, read));  // exactly at the limit
    EXPECT_EQ(read, second);
    EXPECT_EQ(ReadBoundedFile(path, FileLimit{"test file", 39999}, read), FileReadResult::TooLarge);
    EXPECT_TRUE(read.empty());

    ASSERT_TRUE(WriteFileAtomically(path, nullptr, 0));
    ASSERT_TRUE(ReadFileWithin(path, kTestLimit, read));
    EXPECT_TRUE(read.empty());
}

TEST(SafeFileWrite, UnreadableOrUnwritablePathsReportFailure) {
    TempGameFolder folder;
    std::vector<uint8_t> read = {9};
    EXPECT_EQ(ReadBoundedFile(folder.Path("data/none.bin"), kTestLimit, read), FileReadResult::Missing);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(ReadBoundedFile(folder.Path("data"), kTestLimit, read), FileReadResult::NotRegular);
    const uint8_t byte = 7;
    EXPECT_FALSE(WriteFileAtomically(folder.Path("missing/file.bin"), &byte, 1));
    EXPECT_FALSE(folder.Exists("missing"));
}

}  // namespace
