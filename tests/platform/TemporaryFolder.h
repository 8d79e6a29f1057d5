#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);
/// Overwrites `file` in place, keeping its inode when it exists.
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
/// The names in `folder`, sorted.
std::vector<std::string> folderEntries(const std::filesystem::path& folder);

}  // namespace test
