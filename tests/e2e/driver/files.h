#pragma once
// Files the program reads and writes, as bytes.
#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

// Empty when the file cannot be read (missing, or a directory).
std::optional<std::string> readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace e2e
