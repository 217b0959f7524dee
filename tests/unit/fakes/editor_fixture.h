#pragma once
// An editor window made of fakes: its fields with their start texts, the step list, the
// script list, the capture keys and the window around it.
#include "editor/capture_keys.h"
#include "editor/edit_context.h"
#include "editor/editor_controller.h"
#include "editor/editor_memory.h"
#include "editor/editor_shell.h"
#include "editor/script_settings_editor.h"
#include "editor/script_step.h"
#include "editor/step_list_commands.h"
#include "fakes/fake_fields.h"
#include "fakes/memory_file_system.h"
#include "fakes/recording_notice.h"
#include "fakes/selectable_table.h"
#include "storage/list_file.h"

#include <map>

namespace tarnwick::testing {

class FakeCaptureKeys : public CaptureKeys {
  public:
    struct Binding {
        int32_t keyCode;
        CaptureRoutine routine;
        bool released = false;
    };
    std::vector<Binding> bindings; // identifier 1000001 + index

    int32_t bindDirect(int32_t keyCode, CaptureRoutine routine) override {
        bindings.push_back({keyCode, std::move(routine)});
        return int32_t(1000000 + bindings.size());
    }
    bool release(int32_t identifier) override {
        const auto index = size_t(identifier - 1000001);
        if (identifier <= 1000000 || index >= bindings.size())
            return false;
        bindings[index].released = true;
        return true;
    }
    // Fires every active binding of the key, as the poll does.
    void press(int32_t keyCode) {
        for (size_t i = 0; i < bindings.size(); ++i) {
            if (bindings[i].keyCode == keyCode && !bindings[i].released)
                bindings[i].routine(int32_t(1000001 + i));
        }
    }
};

class RecordingEditorShell : public EditorShell {
  public:
    std::vector<std::string> calls;
    void stopCursorTimer() override { calls.push_back("stop timer"); }
    void showMainWindow() override { calls.push_back("show main"); }
    void popUpStepMenu() override { calls.push_back("step menu"); }
};

class EditorFixture {
  public:
    EditorFixture() { files.directories = {"R", "R\\data", "R\\data\\abc"}; }

    FakeTextField name{"", false};
    FakeChoiceField startHotkey{{"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10"},
                                "F1"};
    FakeTextField loop{"1"};
    FakeTextField cursor;
    FakeTextField position;
    FakeChoiceField mouseAction{step::mouseActionEntries(), "鼠标移动"};
    FakeTextField interval{"600"};
    FakeChoiceField wheelAction{{"上滚动", "下滚动", "无事件"}, "无事件"};
    FakeTextField wheelCount{"0"};
    FakeTextField key{"无事件", false};
    FakeTextField keyCount{"1"};
    FakeCheckField noKey{true};
    FakeTextField text;
    FakeTextField confirm{confirmSaveCaption};

    SelectableTable steps{step::columnCount};
    SelectableTable scripts{8};
    EditContext context{"abc", "F1", "F2", "1", "添加", 0};
    EditorMemory memory;
    FakeCaptureKeys keys;
    RecordingEditorShell shell;
    RecordingNotice notice;
    MemoryFileSystem files;
    DataPaths paths{"R"};

    ScriptSettingsEditor settings{
        {name, startHotkey, loop, scripts, context, memory, notice, files, paths}};
    StepListCommands stepCommands{{steps, steps, name, files, paths}};
    // The services of an editor on these fakes, with the given capture keys.
    EditorServices services(CaptureKeys& captureKeys) {
        return {{name, startHotkey, loop, cursor, position, mouseAction, interval, wheelAction,
                 wheelCount, key, keyCount, noKey, text, confirm},
                steps,
                steps,
                scripts,
                context,
                memory,
                settings,
                captureKeys,
                shell,
                notice,
                files,
                paths};
    }
    EditorController editor{services(keys)};

    int addScript(const std::string& scriptName, const std::string& hotkey) {
        return scripts.addRow({"", scriptName, hotkey, "1", "停用", "×", "", "×"});
    }
    std::vector<std::vector<std::string>> stepFile(const std::string& scriptName = "abc") {
        SelectableTable saved(step::columnCount);
        if (auto bytes = files.readFile("R\\data\\" + scriptName + "\\" + scriptName + ".dat"))
            decodeList(*bytes, saved);
        return saved.allRows();
    }
    std::vector<std::vector<std::string>> catalogue() {
        SelectableTable saved(8);
        if (auto bytes = files.readFile("R\\data\\任务列表.dat"))
            decodeList(*bytes, saved);
        return saved.allRows();
    }
};

} // namespace tarnwick::testing
