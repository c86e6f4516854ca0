#pragma once

#include "base/DateTime.h"
#include "base/TextCodec.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vestra::testing {

// A native data file put together field by field, independently of the writer under test:
// a valid Celsius file with label AB12, a header total of 10, groups 1 and 2 holding 3 and 4
// readings. Tests change one field and expect the reader to refuse the file.
struct HandRecord {
    std::int16_t group = 0;
    std::int16_t number = 0;
    float value = 0;
    double time = 0;
    std::string text;    // UTF-8, converted and padded when the file is built
    std::string rawText; // code page 932 bytes used as they are when not empty
};

class HandBuiltFile {
public:
    HandBuiltFile() {
        add(0, 0, 0, 0, "");
        add(15, 150, 0, 0, "   AB12  ");
        add(0, 10, 0, ToOleDate({2008, 3, 1, 9, 5, 59}), "subject");
        for (int g = 1; g <= 15; ++g) {
            add(g, g == 1 ? 3 : g == 2 ? 4 : 0, 0.95f, 0, "target");
            add(g, 0, 100.0f, 0, "measurer");
            add(g, 0, 10.0f, 0, " TAG" + std::to_string(g) + " ");
        }
        for (int k = 1; k <= 3; ++k) {
            add(1, k, 20.0f + k, ToOleDate({2008, 3, 1, 10, k, 30}), "remark");
        }
        for (int k = 1; k <= 4; ++k) {
            add(2, k, -50.0f + k, ToOleDate({2009, 1, 2, 3, 4, k}), "");
        }
    }

    // Record n, numbered from 1 as in the file.
    HandRecord& operator[](int n) { return records.at(static_cast<std::size_t>(n - 1)); }

    std::string bytes() const {
        static_assert(std::endian::native == std::endian::little, "the file is little-endian");
        std::string out;
        for (const HandRecord& r : records) {
            char fixed[16];
            std::memcpy(fixed, &r.group, 2);
            std::memcpy(fixed + 2, &r.number, 2);
            std::memcpy(fixed + 4, &r.value, 4);
            std::memcpy(fixed + 8, &r.time, 8);
            out.append(fixed, sizeof fixed);
            std::string text = r.rawText.empty() ? ToCp932(r.text) : r.rawText;
            text.resize(40, ' ');
            out += text;
        }
        return out;
    }

    std::vector<HandRecord> records;

private:
    void add(int group, int number, float value, double time, const std::string& text) {
        records.push_back({static_cast<std::int16_t>(group),
                           static_cast<std::int16_t>(number),
                           value,
                           time,
                           text,
                           {}});
    }
};

} // namespace vestra::testing
