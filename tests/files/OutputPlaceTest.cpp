#include "files/OutputPlace.h"

#include "files/TempFolder.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(OutputPlaceTest, SavesStartInTheLastFolderWrittenToWhileItExists) {
    testing::TempFolder folder("vestra-output-place");
    OutputPlace place("/documents/");
    EXPECT_EQ(place.startFolder(), "/documents/");
    std::vector<std::string> heard;
    place.onWritten = [&heard](const std::string& path) { heard.push_back(path); };
    place.written(folder.file("sub/gone.csv"));
    EXPECT_EQ(place.startFolder(), "/documents/"); // the folder is not there
    place.written(folder.file("kiln.png"));
    EXPECT_EQ(place.startFolder(), folder.file(""));
    EXPECT_EQ(heard, (std::vector{folder.file("sub/gone.csv"), folder.file("kiln.png")}));
}

TEST(OutputPlaceTest, NamesOfferedAndNoted) {
    struct Case {
        std::string text;
        std::string suggested;
    };
    for (const Case& c : std::vector<Case>{{"  炉 壁 ", "炉 壁"},
                                           {"A/B", "A_B"},
                                           {std::string("a\0b", 3), "a_b"},
                                           {"..", ""},
                                           {"   ", ""}}) {
        EXPECT_EQ(SuggestedFileName(c.text), c.suggested) << c.text;
    }
    EXPECT_EQ(WrittenNote("/home/u/点検/pump room.qmc"), "保存しました: pump room.qmc");
}

} // namespace
} // namespace vestra
