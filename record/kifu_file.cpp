#include "record/kifu_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "record/cp932.h"
#include "record/entry_line.h"

namespace record {

namespace {

constexpr int kHeaderLines = 3;
// Longer than any line the game writes; a longer line is not read whole.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

KifuStatus failure(KifuError error, const std::string& path, int line, std::string detail) {
    return {error, path, line, std::move(detail), {}, 0};
}

std::string systemReason(int err) {
    return std::strerror(err);
}

// Lines of an open file, ended by CR LF, LF or CR; the last one may end the file instead.
class LineReader {
  public:
    explicit LineReader(std::FILE* f) : f_(f) {}
    // False at the end of the file. A line longer than kMaxLineBytes is cut there and marked.
    bool next(std::string& line, bool& overlong) {
        line.clear();
        overlong = false;
        int c = std::getc(f_);
        if (c == EOF) return false;
        while (c != EOF && c != '\r' && c != '\n') {
            if (line.size() < kMaxLineBytes)
                line.push_back(static_cast<char>(c));
            else
                overlong = true;
            c = std::getc(f_);
        }
        if (c == '\r') {
            const int after = std::getc(f_);
            if (after != '\n' && after != EOF) std::ungetc(after, f_);
        }
        return true;
    }
    bool failed() const { return std::ferror(f_) != 0; }

  private:
    std::FILE* f_;
};

// Writes all of `bytes` to the descriptor.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permission bits a newly created file gets, or those of the file being replaced.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// True for a line of nothing but blanks: an entry line like that (one more line end, or a gap
// left by hand) holds no move and is passed over.
bool blankLine(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

// What is wrong with an entry line, in the player's words.
std::string lineFault(const LineDecode& d, const Translation& tr) {
    const char* what = "";
    switch (d.error) {
        case LineError::None:
            return "";
        case LineError::NotANumber:
            what = KZ_TEXT("Record", "数字でない文字があります");
            break;
        case LineError::BadPieceCode:
            what = KZ_TEXT("Record", "駒の番号が正しくありません");
            break;
        case LineError::NegativeHandCount:
            what = KZ_TEXT("Record", "持駒の数が負です");
            break;
        case LineError::TooLong:
            // A header too long is only that; an entry line says where it runs over.
            if (d.column == 0) return textOf(tr, "Record", KZ_TEXT("Record", "行が長すぎます"));
            what = KZ_TEXT("Record", "行が長すぎます");
            break;
    }
    return fillIn(textOf(tr, "Record", KZ_TEXT("Record", "%1桁目: %2")),
                  {std::to_string(d.column), textOf(tr, "Record", what)});
}

// The detail of a status in the given translation: what is wrong in the line, or the count of
// entries, or else the system's reason as it came.
std::string detailOf(const KifuStatus& s, const Translation& tr) {
    if (!s.fault.ok()) return lineFault(s.fault, tr);
    if (s.entries > 0)
        return fillIn(textOf(tr, "Record", KZ_TEXT("Record", "%1手")), {std::to_string(s.entries)});
    return s.detail;
}

// A failure whose detail is what is wrong in the line.
KifuStatus lineFailure(KifuError error, const std::string& path, int line, const LineDecode& d) {
    KifuStatus s = failure(error, path, line, "");
    s.fault = d;
    s.detail = lineFault(d, {});
    return s;
}

// The folder part of a path, with its closing '/'; empty for a bare file name.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// True for a set-up start's marker line; `side` is then the army it names.
bool startSideOf(const std::string& line, rules::SideId& side) {
    for (const rules::SideId s : {rules::SENTE, rules::GOTE}) {
        if (line == *toCp932(startMarker(s))) {
            side = s;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string describe(const KifuStatus& s, const Translation& tr) {
    const char* text = "";
    switch (s.error) {
        case KifuError::None:
            return "";
        case KifuError::CannotOpen:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙを開けません: %1");
            break;
        case KifuError::CannotCreate:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙを作成できません: %1");
            break;
        case KifuError::CannotWrite:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙを書き込めません: %1");
            break;
        case KifuError::BadText:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙの%2行目の文字が正しくありません: %1");
            break;
        case KifuError::TooManyEntries:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙの手数が%3を超えています: %1");
            break;
        case KifuError::BadEntryLine:
            text = KZ_TEXT("Record", "棋譜ﾌｧｲﾙの%2行目が正しくありません: %1");
            break;
    }
    std::string message = fillIn(textOf(tr, "Record", text),
                                 {s.path, std::to_string(s.line), std::to_string(kMaxEntry)});
    const std::string detail = detailOf(s, tr);
    if (!detail.empty()) message += " (" + detail + ")";
    return message;
}

KifuHeaders headerLines(const std::string& gameName, const std::string& senteName,
                        const std::string& goteName, rules::SideId bottomSide) {
    // The top army's player comes first.
    if (bottomSide == rules::SENTE) return {gameName, goteName, senteName};
    return {gameName, senteName, goteName};
}

std::string startMarker(rules::SideId startSide) {
    return startSide == rules::GOTE ? "開始局面 後手" : "開始局面 先手";
}

KifuStatus save(const std::string& path, const KifuHeaders& headers, const MoveList& list,
                int lastMove) {
    if (lastMove > kMaxEntry) {
        KifuStatus s = failure(KifuError::TooManyEntries, path, 0, "");
        s.entries = lastMove;
        s.detail = detailOf(s, {});
        return s;
    }

    // The whole file first: nothing is touched when a header cannot be written.
    std::string bytes;
    for (int i = 0; i < kHeaderLines; ++i) {
        const std::string& h = headers[i];
        const auto text = h.find_first_of("\r\n") == std::string::npos ? toCp932(h) : std::nullopt;
        if (!text) return failure(KifuError::BadText, path, i + 1, "");
        bytes += *text + "\r\n";
    }
    if (list.setUpStart)
        bytes += *toCp932(startMarker(list.startSide)) + "\r\n" + encodeEntryLine(list[0]) + "\r\n";
    for (int n = 1; n <= lastMove; ++n) bytes += encodeEntryLine(list[n]) + "\r\n";

    // A name with a NUL byte would reach the system cut short, naming another file.
    if (path.find('\0') != std::string::npos)
        return failure(KifuError::CannotCreate, path, 0, systemReason(EINVAL));
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return failure(KifuError::CannotCreate, path, 0, systemReason(errno));

    // Written beside the target and renamed over it, so the old file survives any failure. The
    // temporary name is short, so that any name the folder can hold can be saved.
    std::string temp = folderOf(path) + ".kz-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return failure(KifuError::CannotCreate, path, 0, systemReason(errno));
    bool ok = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return failure(KifuError::CannotWrite, path, 0, systemReason(err));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        return failure(KifuError::CannotCreate, path, 0, systemReason(err));
    }
    return failure(KifuError::None, path, 0, "");
}

KifuLoad load(const std::string& path) {
    KifuLoad result;
    if (path.find('\0') != std::string::npos) {
        result.status = failure(KifuError::CannotOpen, path, 0, systemReason(EINVAL));
        return result;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        result.status = failure(KifuError::CannotOpen, path, 0, systemReason(errno));
        return result;
    }
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(f);
        result.status = failure(KifuError::CannotOpen, path, 0, systemReason(EISDIR));
        return result;
    }

    KifuLoad read;
    LineReader reader(f);
    std::string line;
    bool overlong = false;
    int lineNo = 0;
    KifuStatus status = failure(KifuError::None, path, 0, "");
    while (status.ok() && reader.next(line, overlong)) {
        ++lineNo;
        if (lineNo <= kHeaderLines) {
            const auto text = overlong ? std::nullopt : fromCp932(line);
            if (!text && overlong)
                status = lineFailure(KifuError::BadText, path, lineNo, {LineError::TooLong, 0});
            else if (!text)
                status = failure(KifuError::BadText, path, lineNo, "");
            else
                read.headers[lineNo - 1] = *text;
            continue;
        }
        if (!overlong && blankLine(line)) continue;
        // A set-up start is told by its marker, in the first line after the headers only.
        if (lineNo == kHeaderLines + 1 && !overlong && startSideOf(line, read.startSide)) {
            MoveEntry start;
            const bool there = reader.next(line, overlong);
            ++lineNo;
            const LineDecode decoded = !there ? LineDecode{LineError::NotANumber, 1}
                                       : overlong
                                           ? LineDecode{LineError::TooLong, kEntryLineLength + 1}
                                           : decodeEntryLine(line, start);
            if (!decoded)
                status = lineFailure(KifuError::BadEntryLine, path, lineNo, decoded);
            else
                read.start = start;
            continue;
        }
        if (static_cast<int>(read.entries.size()) == kMaxEntry) {
            status = failure(KifuError::TooManyEntries, path, lineNo, "");
            break;
        }
        MoveEntry entry;
        const LineDecode decoded = overlong ? LineDecode{LineError::TooLong, kEntryLineLength + 1}
                                            : decodeEntryLine(line, entry);
        if (!decoded)
            status = lineFailure(KifuError::BadEntryLine, path, lineNo, decoded);
        else
            read.entries.push_back(entry);
    }
    if (status.ok() && reader.failed())
        status = failure(KifuError::CannotOpen, path, lineNo + 1, systemReason(EIO));
    std::fclose(f);

    if (status.ok()) result = std::move(read);
    result.status = status;
    return result;
}

KifuLoad loadText(std::string_view text, const std::string& name) {
    KifuLoad read;
    KifuStatus status = failure(KifuError::None, name, 0, "");
    int lineNo = 0;
    while (status.ok() && !text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNo;
        if (lineNo <= kHeaderLines) {
            read.headers[lineNo - 1] = std::string(line);
            continue;
        }
        if (blankLine(std::string(line))) continue;
        if (static_cast<int>(read.entries.size()) == kMaxEntry) {
            status = failure(KifuError::TooManyEntries, name, lineNo, "");
            break;
        }
        MoveEntry entry;
        const LineDecode decoded = decodeEntryLine(line, entry);
        if (!decoded)
            status = lineFailure(KifuError::BadEntryLine, name, lineNo, decoded);
        else
            read.entries.push_back(entry);
    }
    KifuLoad result;
    if (status.ok()) result = std::move(read);
    result.status = status;
    return result;
}

void applyTo(const KifuLoad& loaded, MoveList& list) {
    const int n = static_cast<int>(loaded.entries.size());
    for (int i = 0; i < n && i < kMaxEntry; ++i) list[i + 1] = loaded.entries[i];
    list.lastMove = n < kMaxEntry ? n : kMaxEntry;
    list.setUpStart = loaded.start.has_value();
    list.startSide = loaded.startSide;
    list.startMoveNumber = loaded.startMoveNumber;
    list.startDate = loaded.startDate;
    list.timeLoser = 0;
    if (loaded.start) list[0] = *loaded.start;
    list.currentMove = 0;
    list.moveCount = 0;
}

}  // namespace record
