#include "tests/fuzz/fuzz_support.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzz {

namespace {

// Where the sandbox goes: $KZ_FUZZ_SANDBOX when set, else memory-backed /dev/shm when there is
// one (a disk file system makes every rewrite of a file wait for the disk), else the system's
// temporary folder.
std::filesystem::path sandboxRoot() {
    if (const char* root = std::getenv("KZ_FUZZ_SANDBOX"); root != nullptr && *root != '\0')
        return root;
    if (::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
    std::error_code ec;
    const std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : tmp;
}

std::string makeSandbox() {
    std::string tmpl = (sandboxRoot() / "kz_fuzz_XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
        std::perror("kz fuzz: cannot make a temporary folder");
        std::abort();
    }
    return tmpl;
}

std::string* sandboxPath = nullptr;

void removeSandbox() {
    if (sandboxPath == nullptr) return;
    std::error_code ec;
    std::filesystem::remove_all(*sandboxPath, ec);
}

}  // namespace

const std::string& sandbox() {
    if (sandboxPath == nullptr) {
        sandboxPath = new std::string(makeSandbox());
        std::atexit(removeSandbox);
    }
    return *sandboxPath;
}

bool writeFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::string readFile(const std::string& path) {
    std::string out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
    std::fclose(f);
    return out;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) return names;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

void failed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "kz fuzz: check failed: %s (%s:%d)\n", what, file, line);
    std::abort();
}

}  // namespace fuzz
