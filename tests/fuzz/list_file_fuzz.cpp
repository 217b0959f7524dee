// Any bytes as a list file: loading must never crash, read out of bounds or hold more than the
// input's worth of text, and what it loads must save and load back to the same cells.
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks the table's width, so narrow and wide targets are both covered.
    const int columns = size > 0 ? data[0] % 10 : 8;
    tarnwick::MemoryTable table(columns);
    tarnwick::decodeList(bytes, table);
    tarnwick::normaliseRows(table);

    size_t held = 0;
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            held += table.cellText(r, c).size();
    // Every row needs at least one complete 19-byte record.
    if (held > size || size_t(table.rowCount()) * 19 > size)
        std::abort();

    tarnwick::MemoryTable reloaded(columns);
    tarnwick::decodeList(tarnwick::encodeList(table), reloaded);
    if (columns > 0 && reloaded.rowCount() != table.rowCount())
        std::abort();
    for (int r = 0; r < reloaded.rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            if (reloaded.cellText(r, c) != table.cellText(r, c))
                std::abort();
    return 0;
}
