#include "platform/list_view.h"
#include "platform/win32.h"
#include "platform/window.h"
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tarnwick::platform {
namespace {

class ListViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(window.create({"list view test", 0, 0, 400, 300}));
        ASSERT_TRUE(list.create(window, {0, 0, 380, 260},
                                {{"", 0}, {"名称", 120}, {"状态", 60, ColumnAlignment::centre}}));
    }

    Window window;
    ListView list;
};

TEST_F(ListViewTest, CellsRoundTripAsGbk) {
    EXPECT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.appendRow("1", {7, 0}), 0);
    list.setCellText(0, 1, "脚本一");
    list.setCellText(0, 2, "停用");
    list.setCellText(0, 3, "beyond the last column");
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.cellText(0, 0), "1");
    EXPECT_EQ(list.cellText(0, 1), "脚本一");
    EXPECT_EQ(list.cellText(0, 2), "停用");
    EXPECT_EQ(list.cellText(0, 3), "");
    EXPECT_EQ(list.cellText(5, 1), "");
    EXPECT_EQ(list.itemValue(0), 7);
    list.removeAllRows();
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(ListViewTest, LongCellTextIsNotCut) {
    const std::string longText(5000, 'x');
    list.appendRow(longText, {});
    EXPECT_EQ(list.cellText(0, 0), longText);
}

TEST_F(ListViewTest, SavedListMatchesTheMemoryModel) {
    MemoryTable model(3);
    for (ListTable* table : {static_cast<ListTable*>(&model), static_cast<ListTable*>(&list)}) {
        table->appendRow("1,2", {});
        table->setCellText(0, 1, "ab");
        table->appendRow("", {});
        table->setCellText(1, 2, "启用");
    }
    EXPECT_EQ(encodeList(list), encodeList(model));
}

// The runner and the scheduler reach the script list from their own threads.
TEST_F(ListViewTest, WorksFromAnotherThreadWhileTheOwnerPumps) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        list.appendRow("x", {});
        list.setCellText(0, 1, "线程");
        done = true;
    });
    while (!done) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(1);
    }
    worker.join();
    EXPECT_EQ(list.cellText(0, 1), "线程");
}

} // namespace
} // namespace tarnwick::platform
