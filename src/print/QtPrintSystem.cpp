#include "print/QtPrintSystem.h"

#include "base/LoadedModule.h"

#include <QPagedPaintDevice>

namespace vestra {

PrinterControl* PrinterOf(QPagedPaintDevice& device) {
    return dynamic_cast<PrinterControl*>(&device);
}

QtPrintDestination InitialDestination(PrintSystem& system) {
    QtPrintDestination destination;
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

QtPrintSystem::QtPrintSystem() = default;
QtPrintSystem::~QtPrintSystem() = default;

PrintSystem* QtPrintSystem::loaded() {
    if (!tried_) {
        tried_ = true;
        ModuleEntry entry =
            LoadModuleEntry("vestra-print", "vestra_print_system", "printing module");
        if (entry.entry != nullptr) {
            module_.reset(reinterpret_cast<decltype(&vestra_print_system)>(entry.entry)());
        }
        failure_ = entry.failure;
    }
    return module_.get();
}

QStringList QtPrintSystem::printerNames() {
    PrintSystem* system = loaded();
    return system != nullptr ? system->printerNames() : QStringList();
}

QString QtPrintSystem::defaultPrinterName() {
    PrintSystem* system = loaded();
    return system != nullptr ? system->defaultPrinterName() : QString();
}

std::unique_ptr<QPagedPaintDevice>
QtPrintSystem::openPrinter(const QtPrintDestination& destination) {
    PrintSystem* system = loaded();
    return system != nullptr ? system->openPrinter(destination) : nullptr;
}

std::unique_ptr<PagePreview>
QtPrintSystem::createPreview(const QPageLayout& layout,
                             std::function<void(QPagedPaintDevice&)> paint, QWidget* parent,
                             QString& reason) {
    if (PrintSystem* system = loaded()) {
        return system->createPreview(layout, std::move(paint), parent, reason);
    }
    reason = QString::fromStdString(failure_);
    return nullptr;
}

} // namespace vestra
