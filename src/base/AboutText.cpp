#include "base/AboutText.h"

#include "base/AppInfo.h"

namespace vestra {

std::string VersionNumberText() {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
           std::to_string(kVersionRevision);
}

AboutText MakeAboutText() {
    AboutText t;
    t.caption = std::string(kAppTitle) + "のﾊﾞｰｼﾞｮﾝ情報";
    t.title = kProductName;
    t.model = std::string("Model : ") + kModelDesignation;
    t.version = VersionNumberText() + "  (32bit)";
    if (*kComments != '\0') {
        t.version += std::string("  ☆") + kComments + "☆";
    }
    t.copyright = std::string(kCopyright) + "\r\n" + kComponentNotice + "\r\n" +
                  std::string(25, ' ') + kDistributor;
    t.description = "携帯型放射温度計(VESTRA)のﾒﾓﾘﾃﾞｰﾀを\r\nﾊﾟｿｺﾝにとりこめるｿﾌﾄです。";
    return t;
}

} // namespace vestra
