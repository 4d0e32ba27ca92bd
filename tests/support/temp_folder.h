// A fresh folder under the system's temporary folder for one test, removed with its contents at
// the end, and the few file chores tests do in it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The full name of a file in the folder, as the game's routines take it.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file of the given bytes into the folder.
    void write(const std::string& name, const std::string& bytes) const;
    // The bytes of a file in the folder (empty when it cannot be read).
    std::string read(const std::string& name) const { return readBytes(file(name)); }
    // The lines of a file the game wrote (CP932, each line ended by CR LF), decoded; a last line
    // without its end comes back as "unended: …", and bytes that are not CP932 as "?".
    std::vector<std::string> lines(const std::string& name) const;
    // The names of everything in the folder, sorted.
    std::vector<std::string> names() const;

    // The bytes of any file (empty when it cannot be read).
    static std::string readBytes(const std::filesystem::path& file);

  private:
    std::filesystem::path path_;
};

}  // namespace testsupport
