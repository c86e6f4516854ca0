#pragma once

class QApplication;
class QCoreApplication;

namespace vestra {

// The name of the desktop entry, the icon and the software-centre record of the application.
inline constexpr const char* kDesktopAppId = "com.morva.Vestra";

// Loads Qt's own Japanese catalogue, so that the standard buttons and the file and print
// dialogs speak Japanese like the rest of the interface, whatever the user's locale. False
// when the catalogue (Debian package qt6-translations-l10n) is not installed.
bool LoadQtJapanese(QCoreApplication& app);

// Everything that makes the running application an installed desktop program: the Japanese
// standard dialogs (Qt's own, never the desktop's, which would follow the user's locale), the
// Japanese locale for dates and numbers in them, the style (start/QtAppStyle), the window icon
// (the one the desktop entry names, built into the program as :/icons/vestra-16.png to -128.png
// by app/CMakeLists.txt) and the desktop entry's name.
void SetUpDesktopApplication(QApplication& app);

} // namespace vestra
