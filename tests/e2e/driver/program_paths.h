#pragma once
// The programs under test arrive on the test program's command line as Unix paths (ctest
// runs under wine on the build machine); the driver hands out their Windows paths.
#include <string>
#include <string_view>

namespace e2e {

// "/work/x/y.exe" -> "Z:\work\x\y.exe" (wine maps the Unix root to drive Z:). Windows paths
// pass through unchanged.
std::wstring windowsPathFromUnix(std::wstring_view path);

// Empty when the command line does not name the program.
std::wstring tarnwickExePath();
std::wstring targetExePath();

} // namespace e2e
