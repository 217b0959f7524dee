#include "platform/input_box.h"
#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

// What the user does once the dialog is up, run from a timer inside the dialog's own loop.
struct Answer {
    const wchar_t* typed;
    WPARAM key;
    bool editHadFocus = false;
    std::wstring promptSeen;
};
Answer* pending = nullptr;

void CALLBACK answerDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", widen("脚本名称").c_str());
    if (!dialog || !pending)
        return;
    KillTimer(nullptr, id);
    HWND focus = GetFocus();
    wchar_t className[16] = {};
    GetClassNameW(focus, className, 16);
    pending->editHadFocus = GetParent(focus) == dialog && lstrcmpiW(className, L"Edit") == 0;
    wchar_t prompt[64] = {};
    GetDlgItemTextW(dialog, 100, prompt, 64);
    pending->promptSeen = prompt;
    SetWindowTextW(focus, pending->typed);
    PostMessageW(focus, WM_KEYDOWN, pending->key, 0);
    PostMessageW(focus, WM_KEYUP, pending->key, LPARAM(0xC0000001));
}

std::optional<std::string> answerWith(Answer& answer) {
    pending = &answer;
    SetTimer(nullptr, 0, 50, answerDialog);
    auto result = inputBox(nullptr, "请输入脚本名称", "脚本名称");
    pending = nullptr;
    return result;
}

TEST(InputBoxTest, EnterConfirmsTheTypedText) {
    const std::wstring typed = widen("脚本一");
    Answer answer{typed.c_str(), VK_RETURN};
    EXPECT_EQ(answerWith(answer), std::optional<std::string>("脚本一"));
    EXPECT_TRUE(answer.editHadFocus);
    EXPECT_EQ(answer.promptSeen, widen("请输入脚本名称"));
}

TEST(InputBoxTest, EnterOnAnEmptyBoxGivesTheEmptyText) {
    Answer answer{L"", VK_RETURN};
    EXPECT_EQ(answerWith(answer), std::optional<std::string>(""));
}

TEST(InputBoxTest, EscCancels) {
    Answer answer{L"abc", VK_ESCAPE};
    EXPECT_EQ(answerWith(answer), std::nullopt);
    EXPECT_TRUE(answer.editHadFocus);
}

TEST(InputBoxTest, ThePromptObjectAsksTheSameDialog) {
    Answer answer{L"abc", VK_RETURN};
    pending = &answer;
    SetTimer(nullptr, 0, 50, answerDialog);
    InputBox box(nullptr);
    EXPECT_EQ(box.ask("请输入脚本名称", "脚本名称"), std::optional<std::string>("abc"));
    pending = nullptr;
}

} // namespace
} // namespace tarnwick::platform
