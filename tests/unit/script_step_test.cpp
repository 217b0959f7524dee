#include "editor/script_step.h"
#include "fakes/memory_file_system.h"
#include "storage/data_paths.h"
#include "storage/memory_table.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ScriptStep, DropDownIndicesFollowTheListOrder) {
    struct Case {
        const char* name;
        int mouse;
        int wheel;
    } cases[] = {
        {"鼠标移动", 0, -1}, {"左键单击", 1, -1}, {"左键双击", 2, -1}, {"左键按住", 3, -1},
        {"左键松开", 4, -1}, {"右键单击", 5, -1}, {"右键双击", 6, -1}, {"右键按住", 7, -1},
        {"右键松开", 8, -1}, {"", 9, -1},         {"上滚动", -1, 0},   {"下滚动", -1, 1},
        {"无事件", -1, 2},   {"左键", -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(step::mouseActionIndex(c.name), c.mouse) << c.name;
        EXPECT_EQ(step::wheelActionIndex(c.name), c.wheel) << c.name;
    }
}

class StepFile : public ::testing::Test {
  protected:
    testing::MemoryFileSystem files;
    DataPaths paths{"C:\\run"};

    StepFile() {
        files.directories = {paths.runDirectory(), paths.dataDirectory(),
                             paths.scriptFolder("脚本")};
    }
};

TEST_F(StepFile, EditorStepsComeBackCellForCellIntoTheStepListAndThePlaybackList) {
    ScriptStep captured = ScriptStep::withDefaults("-1280,200");
    ScriptStep edited = ScriptStep::withDefaults("5,6");
    edited[step::mouseAction] = "";
    edited[step::text] = "a|b,c 输入";
    edited[step::key] = "65";
    edited[step::keyCount] = "3"; // invisible in the editor, carried with its row
    MemoryTable saved(step::columnCount);
    appendStep(saved, captured);
    appendStep(saved, edited);
    saveStepFile(saved, paths, "脚本", files);
    ASSERT_TRUE(files.files.count("C:\\run\\data\\脚本\\脚本.dat"));

    MemoryTable steps(step::columnCount);
    MemoryTable playback(step::playbackColumnCount);
    loadStepFile(steps, paths, "脚本", files);
    loadStepFile(playback, paths, "脚本", files);
    const ListTable* loaded[] = {&steps, &playback};
    for (const ListTable* table : loaded) {
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(readStep(*table, 0), captured);
        EXPECT_EQ(readStep(*table, 1), edited);
    }
    EXPECT_EQ(playback.cellText(1, 8), "");
    EXPECT_EQ(captured[step::text], "无内容");
    EXPECT_EQ(captured[step::key], "无事件");
}

TEST_F(StepFile, PositionWithoutCommaLoadsEmptySoThePlayerSkipsTheRow) {
    MemoryTable saved(step::columnCount);
    appendStep(saved, ScriptStep::withDefaults("500"));
    saveStepFile(saved, paths, "脚本", files);
    MemoryTable playback(step::playbackColumnCount);
    loadStepFile(playback, paths, "脚本", files);
    EXPECT_EQ(playback.cellText(0, step::position), "");
    EXPECT_EQ(playback.cellText(0, step::interval), "600");
}

TEST_F(StepFile, MissingFileEmptiesTheList) {
    MemoryTable playback(step::playbackColumnCount);
    appendStep(playback, ScriptStep::withDefaults("1,1"));
    loadStepFile(playback, paths, "无此脚本", files);
    EXPECT_EQ(playback.rowCount(), 0);
}

} // namespace
} // namespace tarnwick
