// Bounded whole-file reads and temporary-then-rename writes for the asset tool.
#include "tools/assettool/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemReason() {
    return errno == ENOENT ? "not found" : std::strerror(errno);
}

} // namespace

bool ReadFileBytes(const std::string& path, std::vector<u8>* out, std::string* error,
                   size_t maxBytes) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        *error = SystemReason();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *error = "not a regular file";
        return false;
    }
    if (size_t(info.st_size) > maxBytes) {
        *error = "larger than " + std::to_string(maxBytes >> 20) + " MiB";
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *error = SystemReason();
        return false;
    }
    out->resize(size_t(info.st_size));
    size_t got = out->empty() ? 0 : std::fread(out->data(), 1, out->size(), file);
    // A file that shrank while being read is reported rather than half-used.
    bool complete = got == out->size() && std::fgetc(file) == EOF;
    std::fclose(file);
    if (!complete) {
        *error = "changed size while being read";
        return false;
    }
    return true;
}

bool WriteFileAtomic(const std::string& path, const void* data, size_t size, std::string* error) {
    std::string temp = path + ".tmp" + std::to_string(getpid());
    FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        *error = std::string("cannot create: ") + std::strerror(errno);
        return false;
    }
    bool ok = size == 0 || std::fwrite(data, 1, size, file) == size;
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        *error = std::string("cannot write: ") + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
