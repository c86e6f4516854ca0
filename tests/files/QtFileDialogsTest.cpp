#include "files/QtFileDialogs.h"

#include "files/FileChoice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace vestra {

// The Qt save dialog as the Save command shows it, driven as a user drives it: a type chosen in
// the list, a name typed without extension.
class QtFileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aNameWithoutExtensionTakesTheChosenType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("native type kept") << 0 << "pump-room"
                                          << "pump-room.qmc";
        QTest::newRow("CSV chosen") << 1 << "pump-room"
                                    << "pump-room.csv";
        QTest::newRow("text chosen") << 2 << "pump-room"
                                     << "pump-room.txt";
        QTest::newRow("a typed extension wins") << 1 << "pump-room.txt"
                                                << "pump-room.txt";
    }
    void aNameWithoutExtensionTakesTheChosenType() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        FileDialogSetup setup = SaveDialogSetup("", TemperatureUnit::Celsius);
        setup.folder = dir.path().toStdString();
        QTimer::singleShot(0, [type, typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            types->setCurrentIndex(type);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        QtFileDialogs dialogs(nullptr);
        std::optional<std::string> chosen = dialogs.askSave(setup);
        QVERIFY(chosen.has_value());
        QCOMPARE(QFileInfo(QString::fromStdString(*chosen)).fileName(), saved);
    }
};

} // namespace vestra

QTEST_MAIN(vestra::QtFileDialogsTest)
#include "QtFileDialogsTest.moc"
