#include "storage/script_settings.h"

#include "storage/file_system.h"
#include "storage/profile_text.h"

namespace tarnwick {
namespace {

// Leading characters up to code 32 are dropped, as the Windows profile functions drop them.
std::string withoutLeadingControls(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32)
        ++i;
    return s.substr(i);
}

} // namespace

void writeSetting(FileSystem& files, const std::string& path, const std::string& section,
                  const std::string& key, const std::string& value) {
    const std::string file = withoutLeadingControls(path);
    const std::string sectionName = withoutLeadingControls(section);
    const std::string keyName = withoutLeadingControls(key);
    if (file.empty() || sectionName.empty() || keyName.empty())
        return;
    const std::string text = files.readFile(file).value_or(std::string());
    files.replaceFile(file, withProfileValue(text, sectionName, keyName, value));
}

std::string readSetting(FileSystem& files, const std::string& path, const std::string& section,
                        const std::string& key) {
    const std::string file = withoutLeadingControls(path);
    const std::string sectionName = withoutLeadingControls(section);
    const std::string keyName = withoutLeadingControls(key);
    if (file.empty() || sectionName.empty() || keyName.empty())
        return {};
    const auto text = files.readFile(file);
    if (!text)
        return {};
    std::string value = profileValue(*text, sectionName, keyName).value_or(std::string());
    if (value.size() > settings::valueBufferSize - 1)
        value.resize(settings::valueBufferSize - 1);
    return value;
}

void writeNewScriptSettings(FileSystem& files, const std::string& path) {
    writeSetting(files, path, settings::startHotkeySection, settings::hotkeyKey, "F1");
    writeSetting(files, path, settings::stopHotkeySection, settings::hotkeyKey, "F2");
    writeSetting(files, path, settings::insertDirectlySection, settings::yesNoKey, "否");
    writeSetting(files, path, settings::endlessLoopSection, settings::loopKey, "1");
}

} // namespace tarnwick
