#include "print/QtPrintSystem.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace vestra {

PrintDestination InitialDestination(PrintSystem& system) {
    PrintDestination destination;
    destination.pageSize = PageSizeOf(EnvironmentPaper());
    QStringList names = system.printerNames();
    QString preferred = system.defaultPrinterName();
    if (!preferred.isEmpty() && names.contains(preferred)) {
        destination.printerName = preferred;
    } else if (!names.isEmpty()) {
        destination.printerName = names.constFirst();
    }
    return destination;
}

QStringList QtPrintSystem::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintSystem::defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> QtPrintSystem::openPrinter(const PrintDestination& destination) {
    QPrinterInfo info = QPrinterInfo::printerInfo(destination.printerName);
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        return nullptr;
    }
    printer->setPageSize(QPageSize(destination.pageSize));
    printer->setPageOrientation(destination.orientation);
    return printer;
}

} // namespace vestra
