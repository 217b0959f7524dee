#pragma once
// The script list's commands: add ("添加脚本"), delete ("删除脚本"), clear all ("清空全部"),
// open a script for editing (double-click) and the list's right-click menu. They act on the
// selected row and do nothing when there is none.
//
// Threads: the user-interface thread, like every handler of the main window.
#include "storage/data_paths.h"

#include <functional>
#include <string>

namespace tarnwick {

class EditorOpener;
class FileSystem;
class ListSelection;
class ListTable;
class MainShell;
class Notice;
class TextPrompt;
struct EditContext;

inline constexpr const char* scriptNamePrompt = "请输入脚本名称";
inline constexpr const char* scriptNameTitle = "脚本名称";
inline constexpr const char* enterNameNotice = "请输入名称";
inline constexpr const char* nameTakenNotice = "已存在同命名";
inline constexpr const char* unusableNameNotice = "名称不能用作文件夹名,请更换!";

struct ScriptListServices {
    ListTable& scripts;
    ListSelection& selection;
    MainShell& mainWindow;
    // Opens the list's pop-up menu "列表操作" 3 pixels right of and below the mouse.
    std::function<void()> popUpListMenu;
    TextPrompt& prompt;
    Notice& notice;
    EditorOpener& editor;
    EditContext& context;
    FileSystem& files;
    DataPaths paths;
};

class ScriptListCommands {
  public:
    explicit ScriptListCommands(ScriptListServices services) : s_(std::move(services)) {}

    void addScript();
    void deleteScript();
    void clearAll();
    // Double-click: only a disabled script can be edited.
    void openForEditing();
    void showListMenu();

  private:
    // Taken also in other letter case: such a name would address the same folder.
    bool nameTaken(const std::string& name) const;
    void saveCatalogue();
    // True when the editor was open: it is brought forward, and the context it works with is
    // left alone.
    bool focusOpenEditor();

    ScriptListServices s_;
};

} // namespace tarnwick
