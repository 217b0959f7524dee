#pragma once
// Which typed names can name a script. A name becomes the folder data\<name> and the files in
// it, so it must be a single folder name that Windows keeps as typed: no separators or other
// characters a file name cannot hold, no trailing space or full stop (Windows drops them, and
// "." and ".." address other folders), no device name such as CON or COM1.
#include <string_view>

namespace tarnwick {

enum class ScriptNameProblem {
    none,
    blank,    // empty, or blanks only
    unusable, // not a folder name of its own under data
};

// The name is GBK text: the second byte of a double-byte character is never taken for a
// separator.
ScriptNameProblem checkScriptName(std::string_view name);

// Windows compares folder names without regard to letter case, so two names that differ only
// in it (abc and ABC, or in the full-width, Greek or Cyrillic letters of GBK) would share one
// folder and overwrite each other's files.
bool shareFolder(std::string_view a, std::string_view b);

} // namespace tarnwick
