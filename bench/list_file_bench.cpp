// Encode and decode throughput of the list file codec on a 100,000-row, 8-column list, against
// a plain memcpy of the same bytes (the physical limit of moving them once).
#include "storage/list_file.h"
#include "storage/memory_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

using namespace tarnwick;

// <chrono> cannot be compiled with GBK literals (its "µs" has no GBK form).
static double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

static volatile char sink;

template <typename F> double bestSeconds(int runs, F&& f) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double start = now();
        f();
        best = std::min(best, now() - start);
    }
    return best;
}

int main() {
    constexpr int rows = 100000;
    MemoryTable table(8);
    const char* cells[8] = {"", "脚本", "F1", "12", "停用", "×", "2026-12-11 10:30:00", "×"};
    for (int r = 0; r < rows; ++r) {
        table.appendRow(std::to_string(r * 7 % 1000) + "," + std::to_string(r % 768), {});
        for (int c = 1; c < 8; ++c)
            table.setCellText(r, c, cells[c]);
    }

    std::string bytes;
    const double encode = bestSeconds(5, [&] { bytes = encodeList(table); });
    MemoryTable loaded(8);
    const double decode = bestSeconds(5, [&] { decodeList(bytes, loaded); });
    std::vector<char> copy(bytes.size());
    const double copyTime = bestSeconds(20, [&] {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        sink = copy[copy.size() / 2];
    });

    const double mb = double(bytes.size()) / 1e6;
    std::printf("list of %d rows x 8 columns: %.1f MB\n", rows, mb);
    std::printf("memcpy:  %8.1f MB/s\n", mb / copyTime);
    std::printf("encode:  %8.1f MB/s  (%.1fx the memcpy time)\n", mb / encode, encode / copyTime);
    std::printf("decode:  %8.1f MB/s  (%.1fx the memcpy time)\n", mb / decode, decode / copyTime);
    return loaded.rowCount() == rows ? 0 : 1;
}
