#include "driver/program_paths.h"

#include "platform/win32.h"

#include <shellapi.h>

#include <vector>

namespace e2e {

std::wstring windowsPathFromUnix(std::wstring_view path) {
    std::wstring result(path);
    if (!result.starts_with(L"/"))
        return result;
    for (wchar_t& c : result)
        if (c == L'/')
            c = L'\\';
    return L"Z:" + result;
}

namespace {

// GoogleTest strips its own flags from argv but the positional arguments are only reachable
// through the raw command line: every argument after the program name that is not a flag.
std::vector<std::wstring> positionalArguments() {
    std::vector<std::wstring> positional;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i)
        if (args[i][0] != L'-')
            positional.emplace_back(windowsPathFromUnix(args[i]));
    LocalFree(args);
    return positional;
}

std::wstring positionalArgument(size_t index) {
    const std::vector<std::wstring> positional = positionalArguments();
    return index < positional.size() ? positional[index] : std::wstring();
}

} // namespace

std::wstring tarnwickExePath() {
    return positionalArgument(0);
}
std::wstring targetExePath() {
    return positionalArgument(1);
}

} // namespace e2e
