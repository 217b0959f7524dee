#pragma once
// A small modal dialog that asks for one line of text: a prompt, an edit box that has the
// focus, and the buttons "确定" (Enter) and "取消" (Esc).
#include "platform/handles.h"
#include "support/text_prompt.h"

#include <optional>
#include <string>

namespace tarnwick::platform {

// The text entered, or nothing when the user cancelled. Returns when the dialog has closed.
std::optional<std::string> inputBox(HWND owner, const std::string& prompt,
                                    const std::string& title);

class InputBox : public TextPrompt {
  public:
    explicit InputBox(HWND owner) : owner_(owner) {}
    std::optional<std::string> ask(const std::string& prompt, const std::string& title) override {
        return inputBox(owner_, prompt, title);
    }

  private:
    HWND owner_;
};

} // namespace tarnwick::platform
