#include "record/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace record {

namespace {

std::optional<std::string> convert(std::string_view in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string out;
    std::vector<char> buffer(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());  // iconv does not write through it
    std::size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), dst);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;  // EILSEQ: not valid text; EINVAL: cut off in the middle of a character
            break;
        }
    }
    if (ok) {  // flush any pending shift state
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer.data(), dst);
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    return convert(utf8, "CP932", "UTF-8");
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    return convert(cp932, "UTF-8", "CP932");
}

}  // namespace record
