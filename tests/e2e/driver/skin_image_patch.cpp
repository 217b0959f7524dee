#include "driver/skin_image_patch.h"

#include "driver/files.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace e2e {

namespace {

constexpr size_t peOffsetField = 0x3C;

// A DOS header whose e_lfanew points at a "PE\0\0" signature inside the data.
bool startsPeImage(const std::string& bytes, size_t at) {
    if (bytes.compare(at, 2, "MZ") != 0 || at + peOffsetField + 4 > bytes.size())
        return false;
    uint32_t peOffset = 0;
    std::memcpy(&peOffset, bytes.data() + at + peOffsetField, sizeof peOffset);
    const size_t signature = at + peOffset;
    return signature + 4 <= bytes.size() &&
           bytes.compare(signature, 4, std::string("PE\0\0", 4)) == 0;
}

} // namespace

bool corruptEmbeddedLibraryImage(const std::filesystem::path& executable) {
    std::string bytes = readFileBytes(executable).value_or(std::string());
    for (size_t at = bytes.find("MZ", 1); at != std::string::npos; at = bytes.find("MZ", at + 1)) {
        if (!startsPeImage(bytes, at))
            continue;
        bytes.replace(at, 2, "XX");
        writeFileBytes(executable, bytes);
        return true;
    }
    return false;
}

} // namespace e2e
