#include "platform/date_time_picker.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <commctrl.h>

namespace tarnwick::platform {

bool DateTimePicker::create(Window& parent, const ControlArgs& args) {
    // Nothing listens to its notifications, so it needs no identifier of its own.
    return createChild(parent, DATETIMEPICK_CLASSW, WS_TABSTOP | DTS_SHORTDATEFORMAT, 0, args,
                       0xFFFF);
}

void DateTimePicker::setFormat(const std::string& format) {
    const std::wstring wide = widen(format);
    SendMessageW(handle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

DateTime DateTimePicker::value() const {
    SYSTEMTIME t{};
    SendMessageW(handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

bool DateTimePicker::setValue(const DateTime& value) {
    SYSTEMTIME t{};
    t.wYear = WORD(value.year);
    t.wMonth = WORD(value.month);
    t.wDay = WORD(value.day);
    t.wHour = WORD(value.hour);
    t.wMinute = WORD(value.minute);
    t.wSecond = WORD(value.second);
    return SendMessageW(handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)) != 0;
}

} // namespace tarnwick::platform
