#pragma once

#include "print/QtPrintDestination.h"

#include <QStringList>
#include <memory>

class QPrinter;

namespace vestra {

// The printers of the system, behind an interface so that the print windows can be tested the
// same on machines with and without printers.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    virtual QStringList printerNames() = 0;
    // The system's default printer; empty when it has none.
    virtual QString defaultPrinterName() = 0;
    // The named printer set up for the destination's paper and orientation; null when it cannot
    // be reached.
    virtual std::unique_ptr<QPrinter> openPrinter(const PrintDestination& destination) = 0;
};

// The destination a run of the program starts with: the default printer, else the first
// printer, else the PDF file; on the paper of the user's environment.
PrintDestination InitialDestination(PrintSystem& system);

// The printers as the print system of Qt reports them.
class QtPrintSystem : public PrintSystem {
public:
    QStringList printerNames() override;
    QString defaultPrinterName() override;
    std::unique_ptr<QPrinter> openPrinter(const PrintDestination& destination) override;
};

} // namespace vestra
