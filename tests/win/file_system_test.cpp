#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/win32_file_system.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = narrow(temp) + "tarnwick-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        files.removeTree(root);
        ASSERT_TRUE(files.createDirectory(root));
    }
    void TearDown() override { files.removeTree(root); }

    Win32FileSystem files;
    std::string root;
};

TEST_F(FileSystemTest, ReplaceWritesExactBytesUnderAChineseName) {
    const std::string path = root + "\\任务列表.dat";
    const std::string bytes("\x00\xFF\r\n\x1A\xCD\xA3", 7);
    ASSERT_TRUE(files.replaceFile(path, bytes));
    EXPECT_EQ(files.readFile(path), bytes);
    // The name on disk is the Chinese name, not its GBK bytes read in another code page.
    const DWORD attributes =
        GetFileAttributesW((widen(root) + L"\\\u4EFB\u52A1\u5217\u8868.dat").c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileSystemTest, ReplaceOverwritesAndLeavesNoTemporaryFile) {
    const std::string path = root + "\\a.dat";
    ASSERT_TRUE(files.replaceFile(path, "a much longer first content"));
    ASSERT_TRUE(files.replaceFile(path, "short"));
    EXPECT_EQ(files.readFile(path), "short");
    EXPECT_FALSE(files.readFile(path + ".tmp").has_value());
    ASSERT_TRUE(files.replaceFile(path, ""));
    EXPECT_EQ(files.readFile(path), "");
}

TEST_F(FileSystemTest, FailedReplaceKeepsTheOldFile) {
    const std::string path = root + "\\kept.dat";
    ASSERT_TRUE(files.replaceFile(path, "old"));
    // A folder in the way of the temporary file makes the write fail before the target is
    // touched.
    ASSERT_TRUE(files.createDirectory(path + ".tmp"));
    EXPECT_FALSE(files.replaceFile(path, "new"));
    EXPECT_EQ(files.readFile(path), "old");
}

TEST_F(FileSystemTest, SaveIntoMissingFolderWritesNothing) {
    const std::string path = root + "\\missing\\x.dat";
    EXPECT_FALSE(files.replaceFile(path, "x"));
    EXPECT_FALSE(files.directoryExists(root + "\\missing"));
    EXPECT_FALSE(files.readFile(path).has_value());
}

TEST_F(FileSystemTest, RemoveTreeRemovesNestedContent) {
    const std::string folder = root + "\\脚本";
    ASSERT_TRUE(files.createDirectory(folder));
    ASSERT_TRUE(files.createDirectory(folder + "\\inner"));
    ASSERT_TRUE(files.replaceFile(folder + "\\inner\\s.dat", "x"));
    ASSERT_TRUE(files.replaceFile(folder + "\\s.ini", "y"));
    EXPECT_TRUE(files.createDirectory(folder)); // existing folder is fine
    EXPECT_TRUE(files.removeTree(folder));
    EXPECT_FALSE(files.directoryExists(folder));
    EXPECT_TRUE(files.directoryExists(root));
}

} // namespace
} // namespace tarnwick::platform
