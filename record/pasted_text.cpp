#include "record/pasted_text.h"

#include <algorithm>
#include <vector>

namespace record {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool isEntryLine(std::string_view line) {
    return line.size() >= 243 && std::all_of(line.begin(), line.end(), [](char c) {
               return c == ' ' || c == '-' || (c >= '0' && c <= '9');
           });
}

bool marksRecordText(std::string_view line) {
    for (const std::string_view key :
         {"手数", "開始日時：", "手合割：", "先手：", "後手：", "開始局面：", "まで"}) {
        if (line.substr(0, key.size()) == key) return true;
    }
    // "  1 ７六歩(77)": a number, blanks, then a full-width digit or 同 (three bytes from
    // 0xE3/0xEF).
    std::size_t i = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    if (i == 0 || i == line.size() || (line[i] != ' ' && line[i] != '\t')) return false;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    return i < line.size() && static_cast<unsigned char>(line[i]) >= 0xE0;
}

}  // namespace

PastedKind kindOfPastedText(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trimmed(text.substr(at, end - at));
        if (!line.empty()) lines.push_back(line);
        at = end + 1;
    }
    for (const std::string_view line : lines)
        if (isEntryLine(line)) return PastedKind::RecordFile;
    for (const std::string_view line : lines)
        if (marksRecordText(line)) return PastedKind::RecordText;
    if (lines.size() == 1 && std::count(lines[0].begin(), lines[0].end(), '/') == 8)
        return PastedKind::PositionNotation;
    return PastedKind::Unknown;
}

}  // namespace record
