#pragma once
// A pop-up menu of text items, each with its own action.
#include "platform/handles.h"

#include <functional>
#include <string>
#include <vector>

namespace tarnwick::platform {

class PopupMenu {
  public:
    PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu();

    void addItem(const std::string& text, std::function<void()> action);
    // Opens the menu with its top-left corner at the screen point and runs the chosen item's
    // action after the menu has closed.
    void popUp(HWND owner, int x, int y);
    // The same, offset from the mouse position.
    void popUpAtCursor(HWND owner, int dx, int dy);

  private:
    HMENU menu_;
    std::vector<std::function<void()>> actions_;
};

} // namespace tarnwick::platform
