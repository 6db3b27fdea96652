// Looking for the address opener on PATH, and the line written when there is none.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/AddressOpener.h"

namespace {

class AddressOpenerTest : public ::testing::Test {
protected:
    std::filesystem::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/lexadrill-opener-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        std::filesystem::create_directory(folder / "bin");
        std::filesystem::create_directory(folder / "plain");
        std::ofstream(folder / "bin" / "xdg-open") << "#!/bin/sh\n";
        std::ofstream(folder / "plain" / "xdg-open") << "not executable\n";
        chmod((folder / "bin" / "xdg-open").c_str(), 0755);
        chmod((folder / "plain" / "xdg-open").c_str(), 0644);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(AddressOpenerTest, FindsOnlyAnExecutableOnThePath) {
    const std::string bin = (folder / "bin").string(), plain = (folder / "plain").string();
    EXPECT_EQ(platform::FindProgram("xdg-open", plain + ":" + bin), bin + "/xdg-open");
    EXPECT_EQ(platform::FindProgram("xdg-open", plain), "") << "a file that cannot run is no opener";
    EXPECT_EQ(platform::FindProgram("xdg-open", ""), "");
    EXPECT_EQ(platform::FindProgram("xdg-open", "/nonexistent::" + plain), "");
}

TEST(AddressOpener, NoOpenerLineGivesThePagesPlainPath) {
    EXPECT_EQ(platform::NoOpenerLine("file:///opt/my%20game/data/help.html"),
              "lexaDRILL: no program to open pages is installed (xdg-open); open it yourself: "
              "/opt/my game/data/help.html");
    // Malformed escapes and other addresses are given as they are.
    EXPECT_EQ(platform::NoOpenerLine("file:///a%2/b%zz%"),
              "lexaDRILL: no program to open pages is installed (xdg-open); open it yourself: /a%2/b%zz%");
    EXPECT_EQ(platform::NoOpenerLine("https://example.org/"),
              "lexaDRILL: no program to open pages is installed (xdg-open); open it yourself: "
              "https://example.org/");
}

}  // namespace
