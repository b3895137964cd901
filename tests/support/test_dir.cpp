#include "tests/support/test_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

TempDir::TempDir() {
    char cwd[4096];
    previous_ = getcwd(cwd, sizeof cwd) ? cwd : ".";
    std::string pattern = std::filesystem::temp_directory_path() / "vaelor-test-XXXXXX";
    path_ = mkdtemp(pattern.data()) ? pattern : ".";
    if (chdir(path_.c_str()) != 0) path_ = previous_;
}

TempDir::~TempDir() {
    if (chdir(previous_.c_str()) != 0) return;
    std::error_code ec;
    if (path_ != previous_) std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDir::Exists(const std::string& name) const {
    return std::filesystem::exists(File(name));
}
