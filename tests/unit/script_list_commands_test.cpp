#include "app/main_shell.h"
#include "app/script_list_commands.h"
#include "editor/edit_context.h"
#include "editor/editor_opener.h"
#include "fakes/memory_file_system.h"
#include "fakes/recording_notice.h"
#include "fakes/selectable_table.h"
#include "storage/list_file.h"
#include "storage/script_settings.h"
#include "support/text_prompt.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingNotice;
using testing::SelectableTable;
using Rows = std::vector<std::vector<std::string>>;

constexpr const char* newScriptSettings = "[启动热键]\r\n热键=F1\r\n[停止热键]\r\n热键=F2\r\n"
                                          "[直接插入]\r\n是否=否\r\n[无限循环]\r\n循环=1\r\n";

struct RecordingShell : MainShell {
    std::vector<std::string> calls;
    void showWindow() override { calls.push_back("show"); }
    void hideWindow() override { calls.push_back("hide"); }
    void showTrayIcon(const std::string&) override { calls.push_back("tray"); }
    void removeTrayIcon() override { calls.push_back("untray"); }
    void popUpTrayMenu() override { calls.push_back("tray menu"); }
    void showSecondInstanceError() override { calls.push_back("error"); }
    void endProcess(int) override { calls.push_back("exit"); }
};

struct ScriptedPrompt : TextPrompt {
    std::optional<std::string> answer;
    std::vector<std::string> asked;
    std::optional<std::string> ask(const std::string& prompt, const std::string& title) override {
        asked.push_back(prompt + "|" + title);
        return answer;
    }
};

// Records each opening with the context the editor would find.
struct RecordingEditor : EditorOpener {
    explicit RecordingEditor(const EditContext& c, const std::vector<std::string>& shellCalls)
        : context(c), shellCalls(shellCalls) {}
    struct Opening {
        EditorOpening how;
        EditContext context;
        bool mainWindowHidden;
    };
    const EditContext& context;
    const std::vector<std::string>& shellCalls;
    std::vector<Opening> openings;
    bool open_ = false;
    int broughtForward = 0;

    bool isOpen() const override { return open_; }
    void open(EditorOpening how) override {
        openings.push_back({how, context, !shellCalls.empty() && shellCalls.back() == "hide"});
    }
    void bringForward() override { ++broughtForward; }
};

// The memory file system does not resolve "." and "..", so removals are checked by path.
struct RemovalRecordingFileSystem : MemoryFileSystem {
    std::vector<std::string> removed;
    bool removeTree(const std::string& path) override {
        removed.push_back(path);
        return MemoryFileSystem::removeTree(path);
    }
};

class ScriptListCommandsTest : public ::testing::Test {
  protected:
    ScriptListCommandsTest() { files.directories = {"R", "R\\data", "R\\img"}; }

    ScriptListCommands commands() {
        return ScriptListCommands({table, table, shell, [this] { ++menuPopUps; }, prompt, notice,
                                   editor, context, files, DataPaths("R")});
    }
    void add(const std::string& name) {
        prompt.answer = name;
        commands().addScript();
    }
    Rows savedCatalogue() {
        SelectableTable saved(8);
        if (auto bytes = files.readFile("R\\data\\任务列表.dat"))
            decodeList(*bytes, saved);
        return saved.allRows();
    }
    int addRow(const std::string& name, const std::string& state) {
        return table.addRow({"", name, "F1", "1", state, "×", "", "×"});
    }

    SelectableTable table{8};
    RecordingShell shell;
    ScriptedPrompt prompt;
    RecordingNotice notice;
    EditContext context;
    RecordingEditor editor{context, shell.calls};
    RemovalRecordingFileSystem files;
    int menuPopUps = 0;
};

TEST_F(ScriptListCommandsTest, AddWritesTheRowCatalogueFolderAndSettingsThenOpensTheEditor) {
    context.startHotkey = "F7"; // Add leaves the other fields as they were
    add("abc");
    EXPECT_EQ(prompt.asked, (std::vector<std::string>{"请输入脚本名称|脚本名称"}));
    const Rows expected{{"0", "abc", "F1", "1", "停用", "×", "", "×"}};
    EXPECT_EQ(table.allRows(), expected);
    EXPECT_EQ(savedCatalogue(), expected);
    EXPECT_TRUE(files.directoryExists("R\\data\\abc"));
    EXPECT_EQ(files.files.at("R\\data\\abc\\abc.ini"), newScriptSettings);
    EXPECT_FALSE(files.readFile("R\\data\\abc\\abc.dat"));
    ASSERT_EQ(editor.openings.size(), 1u);
    const auto& opening = editor.openings[0];
    EXPECT_EQ(opening.how, EditorOpening::modal);
    EXPECT_TRUE(opening.mainWindowHidden);
    EXPECT_EQ(opening.context.mode, "添加");
    EXPECT_EQ(opening.context.name, "abc");
    EXPECT_EQ(opening.context.row, 0);
    EXPECT_EQ(opening.context.startHotkey, "F7");
    EXPECT_TRUE(notice.shown.empty());
}

TEST_F(ScriptListCommandsTest, SecondScriptGetsItsIndexInColumnZero) {
    add("abc");
    add("def");
    EXPECT_EQ(table.cellText(1, 0), "1");
    EXPECT_EQ(editor.openings.back().context.row, 1);
    EXPECT_EQ(savedCatalogue().size(), 2u);
}

TEST_F(ScriptListCommandsTest, NamesThatShareAFolderAreTaken) {
    add("abc");
    add("abc");
    // On Windows ABC is abc's folder: adding it would reset abc's settings and steps.
    add("ABC");
    EXPECT_EQ(notice.shown, (std::vector<std::string>{"已存在同命名", "已存在同命名"}));
    EXPECT_EQ(table.rowCount(), 1);
    add("abd");
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cellText(1, 1), "abd");
}

TEST_F(ScriptListCommandsTest, RefusedOrCancelledNamesChangeNothing) {
    struct Case {
        std::optional<std::string> typed;
        const char* notice; // nullptr: none
    };
    const Case cases[] = {
        {std::nullopt, nullptr},         {"", "请输入名称"},
        {"   ", "请输入名称"},           {".", unusableNameNotice},
        {"..", unusableNameNotice},      {"..\\..\\x", unusableNameNotice},
        {"a/b", unusableNameNotice},     {"a:b", unusableNameNotice},
        {"a*", unusableNameNotice},      {"a?", unusableNameNotice},
        {"\"a\"", unusableNameNotice},   {"<a>", unusableNameNotice},
        {"a|b", unusableNameNotice},     {"a\tb", unusableNameNotice},
        {"abc ", unusableNameNotice},    {"abc.", unusableNameNotice},
        {"CON", unusableNameNotice},     {"nul", unusableNameNotice},
        {"Com1", unusableNameNotice},    {"LPT9", unusableNameNotice},
        {"aux.txt", unusableNameNotice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.value_or("(cancelled)"));
        notice.shown.clear();
        const auto before = files.directories;
        prompt.answer = c.typed;
        commands().addScript();
        EXPECT_EQ(table.rowCount(), 0);
        EXPECT_EQ(files.directories, before);
        EXPECT_TRUE(files.files.empty());
        EXPECT_TRUE(editor.openings.empty());
        EXPECT_TRUE(shell.calls.empty());
        EXPECT_EQ(notice.shown,
                  c.notice ? std::vector<std::string>{c.notice} : std::vector<std::string>{});
    }
}

TEST_F(ScriptListCommandsTest, NamesThatAreFolderNamesOfTheirOwnAreAccepted) {
    // The second byte of these GBK characters is 5C or 7C, the bytes of \ and |.
    const std::string gbkWithSeparatorBytes = "\x95\x5C\xB1\x7C";
    const std::vector<std::string> names{
        "脚本一", " lead", "a.b", "CONSOLE", "COM0", "...a", gbkWithSeparatorBytes};
    for (const std::string& name : names)
        add(name);
    EXPECT_TRUE(notice.shown.empty());
    ASSERT_EQ(editor.openings.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(editor.openings[i].context.name, names[i]);
}

TEST_F(ScriptListCommandsTest, AddReusesAFolderLeftOnDisk) {
    files.directories.insert("R\\data\\abc");
    files.files["R\\data\\abc\\abc.dat"] = "steps";
    files.files["R\\data\\abc\\abc.ini"] = "[启动热键]\r\n热键=F5\r\n[停止热键]\r\n热键=F6\r\n["
                                           "直接插入]\r\n是否=是\r\n[无限循环]\r\n循环=9\r\n";
    add("abc");
    EXPECT_EQ(files.files.at("R\\data\\abc\\abc.ini"), newScriptSettings);
    EXPECT_EQ(files.files.at("R\\data\\abc\\abc.dat"), "steps");
}

TEST_F(ScriptListCommandsTest, FileSystemFailuresStillChangeTheList) {
    files.failWrites = true;
    add("abc");
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(editor.openings.size(), 1u);
}

TEST_F(ScriptListCommandsTest, DeleteRemovesTheFolderAndTheRow) {
    add("abc");
    add("def");
    files.files["R\\data\\abc\\abc.dat"] = "steps";
    table.selectRow(0);
    commands().deleteScript();
    EXPECT_FALSE(files.directoryExists("R\\data\\abc"));
    EXPECT_FALSE(files.readFile("R\\data\\abc\\abc.ini"));
    EXPECT_FALSE(files.readFile("R\\data\\abc\\abc.dat"));
    EXPECT_TRUE(files.directoryExists("R\\data\\def"));
    const Rows left{{"1", "def", "F1", "1", "停用", "×", "", "×"}};
    EXPECT_EQ(table.allRows(), left);
    EXPECT_EQ(savedCatalogue(), left);
}

TEST_F(ScriptListCommandsTest, DeleteWithoutSelectionDoesNothing) {
    add("abc");
    const auto before = files.files;
    commands().deleteScript();
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(files.files, before);
}

TEST_F(ScriptListCommandsTest, DeleteOfAHandEditedNameTouchesNothingOutsideItsFolder) {
    for (const std::string name : {"", " ", ".", "..", "..\\..", "x\\..\\..", "x/../..", "C:\\"}) {
        SCOPED_TRACE(name);
        addRow(name, "停用");
        table.selectRow(0);
        commands().deleteScript();
        EXPECT_EQ(table.rowCount(), 0);
        EXPECT_EQ(files.files.at("R\\data\\任务列表.dat"), "");
    }
    EXPECT_TRUE(files.removed.empty());
    addRow("x", "停用");
    table.selectRow(0);
    commands().deleteScript();
    EXPECT_EQ(files.removed, (std::vector<std::string>{"R\\data\\x"}));
}

TEST_F(ScriptListCommandsTest, ClearAllLeavesAnEmptyCatalogueAndEmptyFolders) {
    add("abc");
    files.files["R\\img\\x.png"] = "x";
    files.files["R\\other.txt"] = "keep";
    commands().clearAll();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(files.directories, (std::set<std::string>{"R", "R\\data", "R\\img"}));
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"R\\data\\任务列表.dat", ""},
                                                               {"R\\other.txt", "keep"}}));
}

TEST_F(ScriptListCommandsTest, OpenForEditingReadsTheSettingsIntoTheContext) {
    add("abc");
    add("def");
    files.files["R\\data\\def\\def.ini"] =
        "[启动热键]\r\n热键=F4\r\n[停止热键]\r\n热键=F8\r\n[无限循环]\r\n循环=0\r\n";
    shell.calls.clear();
    table.selectRow(1);
    commands().openForEditing();
    ASSERT_EQ(editor.openings.size(), 3u);
    const auto& opening = editor.openings.back();
    EXPECT_EQ(opening.how, EditorOpening::modeless);
    EXPECT_TRUE(opening.mainWindowHidden);
    EXPECT_EQ(opening.context.mode, "修改");
    EXPECT_EQ(opening.context.name, "def");
    EXPECT_EQ(opening.context.row, 1);
    EXPECT_EQ(opening.context.startHotkey, "F4");
    EXPECT_EQ(opening.context.stopHotkey, "F8");
    EXPECT_EQ(opening.context.loopCount, "0");
}

TEST_F(ScriptListCommandsTest, OpenForEditingWithoutSettingsReadsEmptyValues) {
    addRow("gone", "停用");
    context = {"old", "F3", "F4", "5", "添加", 7};
    table.selectRow(0);
    commands().openForEditing();
    ASSERT_EQ(editor.openings.size(), 1u);
    const EditContext& seen = editor.openings[0].context;
    EXPECT_EQ(seen.name, "gone");
    EXPECT_EQ(seen.startHotkey, "");
    EXPECT_EQ(seen.stopHotkey, "");
    EXPECT_EQ(seen.loopCount, "");
}

TEST_F(ScriptListCommandsTest, OnlyASelectedDisabledScriptOpens) {
    addRow("on", "启用");
    addRow("odd", "停用 ");
    for (int selected : {-1, 0, 1}) {
        SCOPED_TRACE(selected);
        table.selectRow(selected);
        commands().openForEditing();
    }
    EXPECT_TRUE(editor.openings.empty());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(context.name, "");
}

TEST_F(ScriptListCommandsTest, AHandEditedNameThatIsNoFolderOfItsOwnDoesNotOpen) {
    for (const std::string name : {"", "..", "..\\x", "x\\..\\..", "C:\\"}) {
        SCOPED_TRACE(name);
        addRow(name, "停用");
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        table.selectRow(row);
        commands().openForEditing();
    }
    EXPECT_EQ(notice.shown, std::vector<std::string>(5, unusableNameNotice));
    EXPECT_TRUE(editor.openings.empty());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(context.name, "");
}

TEST_F(ScriptListCommandsTest, AnOpenEditorIsBroughtForwardAndKeepsItsContext) {
    add("abc");
    const EditContext before = context;
    editor.open_ = true;
    add("def");
    addRow("x", "停用");
    table.selectRow(1);
    commands().openForEditing();
    EXPECT_EQ(editor.broughtForward, 2);
    EXPECT_EQ(editor.openings.size(), 1u);
    EXPECT_EQ(context.name, before.name);
    EXPECT_EQ(context.row, before.row);
    EXPECT_EQ(table.rowCount(), 2);
}

TEST_F(ScriptListCommandsTest, ListMenuOpensOnlyOverASelectedRow) {
    addRow("abc", "停用");
    commands().showListMenu();
    EXPECT_EQ(menuPopUps, 0);
    table.selectRow(0);
    commands().showListMenu();
    EXPECT_EQ(menuPopUps, 1);
}

} // namespace
} // namespace tarnwick
