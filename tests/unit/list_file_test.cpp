#include "fakes/memory_file_system.h"
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;

std::string record(char marker, const std::string& text) {
    return std::string(1, marker) + std::string(8, '\xFF') + std::string(8, '\0') + text +
           std::string(2, '\0');
}

// A record as another writer might store it: any head fields, any second text.
std::string foreignRecord(char marker, int32_t indent, int32_t itemValue, const std::string& text,
                          const std::string& second) {
    std::string r(1, marker);
    r.append(8, '\x05');
    for (int32_t v : {indent, itemValue})
        for (int i = 0; i < 4; ++i)
            r += char(uint32_t(v) >> (8 * i) & 0xFF);
    return r + text + '\0' + second + '\0';
}

MemoryTable tableWithRows(int columns, const std::vector<std::vector<std::string>>& rows) {
    MemoryTable table(columns);
    for (const auto& cells : rows) {
        const int r = table.appendRow(cells.empty() ? "" : cells[0], {});
        for (size_t c = 1; c < cells.size(); ++c)
            table.setCellText(r, int(c), cells[c]);
    }
    return table;
}

std::vector<std::vector<std::string>> rowsOf(const ListTable& table) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table.columnCount(); ++c)
            rows.back().push_back(table.cellText(r, c));
    }
    return rows;
}

TEST(ListFile, TwoColumnExampleIsFortyTwoBytesAndReadsBack) {
    const MemoryTable table = tableWithRows(2, {{"ab", ""}});
    const std::string expected = record(0x00, "ab") + record(0x01, "") + "\\0";
    ASSERT_EQ(expected.size(), 42u);
    EXPECT_EQ(encodeList(table), expected);

    MemoryTable loaded(2);
    decodeList(expected, loaded);
    EXPECT_EQ(rowsOf(loaded), (std::vector<std::vector<std::string>>{{"ab", ""}}));
}

TEST(ListFile, CatalogueRowTakes152BytesPlusItsTextsAndTwoTrailerBytes) {
    const MemoryTable table =
        tableWithRows(8, {{"", "脚本", "F1", "1", "停用", "×", "", "×"},
                          {"3", "abc", "F10", "25", "启用", "√", "2026-1-2 3:4:5", "√"}});
    size_t texts = 0;
    for (const auto& row : rowsOf(table))
        for (const auto& cell : row)
            texts += cell.size();
    EXPECT_EQ(encodeList(table).size(), 2 * 152 + texts + 2 * 2);
    EXPECT_EQ(std::string("停用"), "\xCD\xA3\xD3\xC3");
}

TEST(ListFile, EmptyListIsAnEmptyFile) {
    EXPECT_EQ(encodeList(MemoryTable(8)), "");
    MemoryTable loaded = tableWithRows(2, {{"x", "y"}});
    decodeList("", loaded);
    EXPECT_EQ(loaded.rowCount(), 0);
}

TEST(ListFile, TrailerCarriesEachRowsItemValue) {
    MemoryTable table(1);
    table.appendRow("a", {0, 0});
    table.appendRow("b", {-12, 0});
    table.appendRow("c", {305, 0});
    const std::string bytes = encodeList(table);
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "\\0\\-12\\305");
}

TEST(ListFile, DecodeRestoresHeadFieldsAndSkipsTheSecondText) {
    const std::string bytes = foreignRecord(0x00, 2, -7, "row", "ignored second") +
                              foreignRecord(0x7F, 0, 0, "cell", "") + "\\-7";
    MemoryTable loaded(2);
    decodeList(bytes, loaded);
    ASSERT_EQ(loaded.rowCount(), 1);
    EXPECT_EQ(loaded.itemValue(0), -7);
    EXPECT_EQ(rowsOf(loaded), (std::vector<std::vector<std::string>>{{"row", "cell"}}));
}

TEST(ListFile, ColumnCountOfTheTargetDecides) {
    const std::string three = encodeList(tableWithRows(3, {{"a", "b", "c"}, {"d", "e", "f"}}));
    MemoryTable narrower(2);
    decodeList(three, narrower);
    EXPECT_EQ(rowsOf(narrower), (std::vector<std::vector<std::string>>{{"a", "b"}, {"d", "e"}}));
    MemoryTable wider(4);
    decodeList(three, wider);
    EXPECT_EQ(rowsOf(wider),
              (std::vector<std::vector<std::string>>{{"a", "b", "c", ""}, {"d", "e", "f", ""}}));
}

TEST(ListFile, CutFileLosesOnlyItsIncompleteRecord) {
    const std::string full = encodeList(tableWithRows(2, {{"ab", "cd"}, {"ef", "gh"}}));
    const size_t lastRecordStart = 2 * 21 + 21;
    struct Case {
        size_t length;
        std::vector<std::vector<std::string>> rows;
    };
    const Case cases[] = {
        {0, {}},
        {16, {}}, // inside the first head
        {19, {}}, // inside the first text
        {20, {}}, // text ended, second text not
        {21, {{"ab", ""}}},
        {lastRecordStart, {{"ab", "cd"}, {"ef", ""}}},
        {lastRecordStart + 20, {{"ab", "cd"}, {"ef", ""}}},
        {full.size() - 4, {{"ab", "cd"}, {"ef", "gh"}}},
        {full.size(), {{"ab", "cd"}, {"ef", "gh"}}},
    };
    for (const Case& c : cases) {
        MemoryTable loaded(2);
        decodeList(std::string_view(full).substr(0, c.length), loaded);
        EXPECT_EQ(rowsOf(loaded), c.rows) << "cut at " << c.length;
    }
}

TEST(ListFile, RecordsBeforeTheFirstRowAndExtraTrailerAreIgnored) {
    const std::string bytes = record(0x01, "orphan") + record(0x02, "orphan") +
                              encodeList(tableWithRows(2, {{"a", "b"}})) + "\\0\\0\\0\\17";
    MemoryTable loaded(2);
    decodeList(bytes, loaded);
    EXPECT_EQ(rowsOf(loaded), (std::vector<std::vector<std::string>>{{"a", "b"}}));
}

TEST(ListFile, NormalisationResetsBindingsStateAndMarks) {
    struct Case {
        std::vector<std::string> saved;
        std::vector<std::string> loaded;
    };
    const Case cases[] = {
        // Enabled with a binding: back to disabled, unbound, not armed; done mark kept.
        {{"1000001", "a", "F1", "1", "启用", "√", "t", "√"},
         {"", "a", "F1", "1", "停用", "×", "t", "√"}},
        {{"0", "b", "F2", "2", "停用", "√", "", "√"}, {"", "b", "F2", "2", "停用", "×", "", "×"}},
        // Any other state text keeps columns 4, 5 and 7; a "x,y" first cell stays.
        {{"500,300", "c", "", "", "其他", "√", "", "√"},
         {"500,300", "c", "", "", "其他", "√", "", "√"}},
        {{",", "d", "", "", "", "", "", ""}, {",", "d", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        MemoryTable loaded(8);
        decodeList(encodeList(tableWithRows(8, {c.saved})), loaded);
        normaliseRows(loaded);
        EXPECT_EQ(rowsOf(loaded), std::vector<std::vector<std::string>>{c.loaded}) << c.saved[0];
    }
}

TEST(ListFile, ShortRowsLoadWithEmptyCellsAndNormaliseWithinTheirColumns) {
    MemoryFileSystem files;
    files.directories.insert("R");
    files.files["R\\list.dat"] = encodeList(tableWithRows(3, {{"12", "x", "y"}}));
    MemoryTable catalogue(8);
    loadList(catalogue, "R\\list.dat", files);
    EXPECT_EQ(rowsOf(catalogue),
              (std::vector<std::vector<std::string>>{{"", "x", "y", "", "", "", "", ""}}));

    // A table with fewer than 8 columns must not grow cells for the marks.
    MemoryTable steps(5);
    files.files["R\\s.dat"] = encodeList(tableWithRows(5, {{"1,2", "", "", "", "停用"}}));
    loadList(steps, "R\\s.dat", files);
    EXPECT_EQ(rowsOf(steps), (std::vector<std::vector<std::string>>{{"1,2", "", "", "", "停用"}}));
}

TEST(ListFile, SaveAndLoadThroughFiles) {
    MemoryFileSystem files;
    files.directories.insert("R\\data");
    const MemoryTable table = tableWithRows(2, {{"1,1", "b"}});
    saveList(table, "R\\data\\x.dat", files);
    EXPECT_EQ(files.files.at("R\\data\\x.dat"), encodeList(table));

    saveList(table, "", files);
    saveList(table, "R\\missing\\x.dat", files);
    EXPECT_EQ(files.files.size(), 1u);

    MemoryTable loaded = tableWithRows(2, {{"stale", "row"}});
    loadList(loaded, "R\\data\\none.dat", files);
    EXPECT_EQ(loaded.rowCount(), 0);
    loadList(loaded, "R\\data\\x.dat", files);
    EXPECT_EQ(rowsOf(loaded), rowsOf(table));
}

} // namespace
} // namespace tarnwick
