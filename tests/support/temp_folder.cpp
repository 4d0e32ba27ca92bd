#include "support/temp_folder.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "record/cp932.h"

namespace testsupport {

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("kz-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::vector<std::string> TempFolder::lines(const std::string& name) const {
    const std::string text = record::fromCp932(read(name)).value_or("?");
    std::vector<std::string> out;
    std::size_t at = 0, end;
    while ((end = text.find("\r\n", at)) != std::string::npos) {
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    if (at < text.size()) out.push_back("unended: " + text.substr(at));
    return out;
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(path_))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::string TempFolder::readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testsupport
