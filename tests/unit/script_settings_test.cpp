#include "fakes/memory_file_system.h"
#include "storage/data_paths.h"
#include "storage/script_settings.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;

TEST(DataPaths, AreBuiltFromTheRunDirectory) {
    const DataPaths paths("C:\\Tools\\Tarnwick");
    EXPECT_EQ(paths.dataDirectory(), "C:\\Tools\\Tarnwick\\data");
    EXPECT_EQ(paths.imageDirectory(), "C:\\Tools\\Tarnwick\\img");
    EXPECT_EQ(paths.catalogueFile(), "C:\\Tools\\Tarnwick\\data\\任务列表.dat");
    EXPECT_EQ(paths.scriptFolder("abc"), "C:\\Tools\\Tarnwick\\data\\abc");
    EXPECT_EQ(paths.stepsFile("abc"), "C:\\Tools\\Tarnwick\\data\\abc\\abc.dat");
    EXPECT_EQ(paths.settingsFile("脚本"), "C:\\Tools\\Tarnwick\\data\\脚本\\脚本.ini");
}

class ScriptSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { files.directories.insert("R\\data\\abc"); }
    MemoryFileSystem files;
    const std::string path = "R\\data\\abc\\abc.ini";
};

TEST_F(ScriptSettingsTest, NewScriptGetsFourSectionsInOrder) {
    writeNewScriptSettings(files, path);
    EXPECT_EQ(files.files.at(path), "[启动热键]\r\n热键=F1\r\n[停止热键]\r\n热键=F2\r\n"
                                    "[直接插入]\r\n是否=否\r\n[无限循环]\r\n循环=1\r\n");
    EXPECT_EQ(readSetting(files, path, "无限循环", "循环"), "1");
    EXPECT_EQ(readSetting(files, path, "停止热键", "热键"), "F2");
}

TEST_F(ScriptSettingsTest, MissingPiecesReadEmpty) {
    writeNewScriptSettings(files, path);
    EXPECT_EQ(readSetting(files, "R\\data\\abc\\none.ini", "启动热键", "热键"), "");
    EXPECT_EQ(readSetting(files, path, "启动热键", "none"), "");
    EXPECT_EQ(readSetting(files, path, "", "热键"), "");
    EXPECT_EQ(readSetting(files, path, "启动热键", ""), "");
    EXPECT_EQ(readSetting(files, "", "启动热键", "热键"), "");
}

TEST_F(ScriptSettingsTest, LeadingControlsAndBlanksAreDropped) {
    writeSetting(files, " \t" + path, "\x01 启动热键", "  热键", "F3");
    EXPECT_EQ(readSetting(files, "\r\n" + path, " 启动热键", "\t热键"), "F3");
    EXPECT_EQ(files.files.at(path), "[启动热键]\r\n热键=F3\r\n");
    writeSetting(files, path, "   ", "k", "v"); // nothing is left of the section
    EXPECT_EQ(files.files.at(path), "[启动热键]\r\n热键=F3\r\n");
}

TEST_F(ScriptSettingsTest, LongValuesAreCutToTheBuffer) {
    writeSetting(files, path, "s", "k", std::string(20000, 'v'));
    EXPECT_EQ(readSetting(files, path, "s", "k"), std::string(10239, 'v'));
}

TEST_F(ScriptSettingsTest, MissingFolderOrFailedWriteKeepsWhatWasThere) {
    writeSetting(files, "R\\data\\gone\\gone.ini", "s", "k", "v");
    EXPECT_FALSE(files.files.count("R\\data\\gone\\gone.ini"));

    writeNewScriptSettings(files, path);
    const std::string before = files.files.at(path);
    files.failWrites = true;
    writeSetting(files, path, "无限循环", "循环", "9");
    EXPECT_EQ(files.files.at(path), before);
}

} // namespace
} // namespace tarnwick
