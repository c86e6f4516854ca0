#pragma once

#include "print/QtPrintSystem.h"

#include <QMarginsF>
#include <QPrinter>

namespace vestra::testing {

// Printers that exist only in the test: each one, when opened, writes PDF pages to its own
// file with the unprintable border of an office printer, so that no test reaches the print
// system of the machine it runs on.
class FakePrintSystem : public PrintSystem {
public:
    FakePrintSystem(QStringList names, QString folder)
        : names_(std::move(names)), folder_(std::move(folder)) {}

    QStringList printerNames() override { return names_; }
    QString defaultPrinterName() override { return defaultName; }
    std::unique_ptr<QPrinter> openPrinter(const PrintDestination& destination) override {
        if (!names_.contains(destination.printerName) || unreachable) {
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(outputOf(destination.printerName));
        printer->setPageLayout(QPageLayout(QPageSize(destination.pageSize), destination.orientation,
                                           margins, QPageLayout::Millimeter));
        return printer;
    }

    // Where the named printer's pages go.
    QString outputOf(const QString& name) const { return folder_ + "/" + name + ".printed.pdf"; }

    QString defaultName;
    bool unreachable = false;
    QMarginsF margins{5, 5, 5, 5}; // in mm, what the printer cannot reach

private:
    QStringList names_;
    QString folder_;
};

} // namespace vestra::testing
