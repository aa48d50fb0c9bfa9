#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace korvel::testing_support {

// A file in the test's temporary folder, removed at the end of the test.
class CaseFile {
public:
    CaseFile(const std::string& name, const std::string& text)
        : path_(testing::TempDir() + "korvel-" + std::to_string(getpid()) + "-" + name) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~CaseFile() { std::remove(path_.c_str()); }
    CaseFile(const CaseFile&) = delete;
    CaseFile& operator=(const CaseFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace korvel::testing_support
