#pragma once

#include "print/QtPrintDestination.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QComboBox;
class QRadioButton;

namespace vestra {

// The printer setup: where the report goes, on which paper, in which orientation. Nothing
// else applies: the print dialogs decide what is printed, and a report is printed once.
class frmPrnSetup : public QDialog {
    Q_OBJECT
public:
    frmPrnSetup(const QtPrintDestination& destination, const QStringList& printers,
                QWidget* parent = nullptr);

    // The choice as it stands; what the caller takes when the dialog is accepted.
    QtPrintDestination destination() const;

private:
    void buildControls(const QStringList& printers);
    QWidget* orientationFrame();

    QtPrintDestination destination_;
    QComboBox* cboPrinter_;
    QComboBox* cboPaper_;
    std::array<QRadioButton*, 2> optOrientation_{};
};

} // namespace vestra
