#pragma once
// Asks the user for one line of text.
#include <optional>
#include <string>

namespace tarnwick {

class TextPrompt {
  public:
    virtual ~TextPrompt() = default;
    // The text entered, or nothing when the user cancelled.
    virtual std::optional<std::string> ask(const std::string& prompt, const std::string& title) = 0;
};

} // namespace tarnwick
