#include "files/QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace vestra {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The captions already end with their pattern in brackets, which is how QFileDialog reads one.
QStringList nameFilters(const FileDialogSetup& setup) {
    QStringList filters;
    for (const FileFilter& filter : setup.filters) {
        filters << q(filter.caption);
    }
    return filters;
}

// The extension of the type chosen in the list ("*.csv" gives "csv"); the default one for a
// caption the setup does not know.
QString extensionOf(const FileDialogSetup& setup, const QString& caption) {
    for (const FileFilter& filter : setup.filters) {
        if (q(filter.caption) == caption && filter.pattern.starts_with("*.")) {
            return q(filter.pattern.substr(2));
        }
    }
    return q(setup.defaultExtension);
}

std::optional<std::string> ask(QWidget* owner, const QString& caption, const FileDialogSetup& setup,
                               bool save) {
    QFileDialog dialog(owner, caption, q(setup.folder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The caller asks before a file is replaced, also for a name it completes itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(nameFilters(setup));
    // A name typed without extension is given one below, from the type chosen in the list.
    if (!save) {
        dialog.setDefaultSuffix(q(setup.defaultExtension));
    }
    if (!setup.name.empty()) {
        dialog.selectFile(q(setup.name));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString path = dialog.selectedFiles().constFirst();
    if (save && QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).fileName().isEmpty()) {
        // "pump-room" with the CSV type chosen is pump-room.csv.
        path += QLatin1Char('.') + extensionOf(setup, dialog.selectedNameFilter());
    }
    return path.toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogs::askOpen(const FileDialogSetup& setup) {
    return ask(owner_, QStringLiteral("開く"), setup, false);
}

std::optional<std::string> QtFileDialogs::askSave(const FileDialogSetup& setup) {
    return ask(owner_, QStringLiteral("名前を付けて保存"), setup, true);
}

} // namespace vestra
