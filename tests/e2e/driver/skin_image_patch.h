#pragma once
// Breaks the skin library image that the program carries inside its executable, so a test
// can see the program start without its skin.
#include <filesystem>

namespace e2e {

// Overwrites the "MZ" of the DLL image embedded in the executable (the first PE image after
// the executable's own headers). False if the file holds no such image.
bool corruptEmbeddedLibraryImage(const std::filesystem::path& executable);

} // namespace e2e
