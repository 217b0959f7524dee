#pragma once
// Reads a script's settings file as the profile format lays it out: "[section]" lines open a
// section, "key=value" lines below set values. Written here from the format rather than with
// the system's profile reader, which would decode the GBK bytes with the locale's code page.
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct ProfileValue {
    std::wstring section;
    std::wstring key;
    std::wstring value;

    bool operator==(const ProfileValue&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ProfileValue& value);

// Every value in file order, texts decoded from code page 936. Lines end in CR LF or LF.
std::vector<ProfileValue> profileValues(const std::string& bytes);

} // namespace e2e
