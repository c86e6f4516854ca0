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
    // A printer of the test: Qt's PDF printer with the printer's part of the interface.
    class Printer : public QPrinter, public PrinterControl {
    public:
        explicit Printer(const QString& name) : QPrinter(QPrinter::HighResolution), name_(name) {}
        QString printerName() const override { return name_; }
        void setDocumentName(const QString& title) override { setDocName(title); }
        bool inError() const override { return printerState() == QPrinter::Error; }
        void abortJob() override { abort(); }

    private:
        QString name_;
    };

    FakePrintSystem(QStringList names, QString folder)
        : names_(std::move(names)), folder_(std::move(folder)) {}

    QStringList printerNames() override { return names_; }
    QString defaultPrinterName() override { return defaultName; }
    std::unique_ptr<QPagedPaintDevice> openPrinter(const QtPrintDestination& destination) override {
        if (!names_.contains(destination.printerName) || unreachable) {
            return nullptr;
        }
        auto printer = std::make_unique<Printer>(destination.printerName);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(outputOf(destination.printerName));
        printer->setPageLayout(QPageLayout(QPageSize(destination.pageSize), destination.orientation,
                                           margins, QPageLayout::Millimeter));
        return printer;
    }

    // The preview is the program's own, from its printing module, unless noPreview says why
    // there is none.
    std::unique_ptr<PagePreview> createPreview(const QPageLayout& layout,
                                               std::function<void(QPagedPaintDevice&)> paint,
                                               QWidget* parent, QString& reason) override {
        if (!noPreview.isEmpty()) {
            reason = noPreview;
            return nullptr;
        }
        return real_.createPreview(layout, std::move(paint), parent, reason);
    }

    // Where the named printer's pages go.
    QString outputOf(const QString& name) const { return folder_ + "/" + name + ".printed.pdf"; }

    QString defaultName;
    QString noPreview;
    bool unreachable = false;
    QMarginsF margins{5, 5, 5, 5}; // in mm, what the printer cannot reach

private:
    QtPrintSystem real_;
    QStringList names_;
    QString folder_;
};

} // namespace vestra::testing
