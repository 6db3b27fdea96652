// A throw-away game folder for tests of the files the game reads and writes: a fresh temporary
// folder with an empty data/ inside, reported by platform::ExecutableFolder() while it lives.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

class TempGameFolder {
public:
    TempGameFolder() {
        char pattern[] = "/tmp/lexadrill_test_XXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        root = std::string(made != nullptr ? made : "/tmp") + "/";
        std::filesystem::create_directories(root + "data");
        platform::headless::SetExecutableFolder(root);
    }
    ~TempGameFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    // Path of a file inside the folder.
    std::string Path(const std::string& name) const { return root + name; }

    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // The file's bytes; empty when it does not exist.
    std::vector<uint8_t> Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

    std::string root;
};
