#include "base/AboutText.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(AboutText, VersionLineJoinsMinorAndRevision) {
    AboutText t = MakeAboutText();
    EXPECT_EQ(VersionNumberText(), "ﾊﾞｰｼﾞｮﾝ 2.00");
    EXPECT_EQ(t.version, "ﾊﾞｰｼﾞｮﾝ 2.00  (32bit)  ☆080301☆");
    EXPECT_EQ(t.caption, "VESTRAﾃﾞｰﾀ処理ｿﾌﾄのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(t.model, "Model : VESTRA");
    EXPECT_EQ(t.description, "携帯型放射温度計(VESTRA)のﾒﾓﾘﾃﾞｰﾀを\r\nﾊﾟｿｺﾝにとりこめるｿﾌﾄです。");
    // Third line: 25 blanks, then the distributor.
    auto third = t.copyright.substr(t.copyright.rfind("\r\n") + 2);
    EXPECT_EQ(third.find_first_not_of(' '), 25u);
}

} // namespace
} // namespace vestra
