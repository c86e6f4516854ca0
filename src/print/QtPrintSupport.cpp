// Qt's print support behind the print system's interface, built as the module vestra-print.so so
// that only a run that prints maps Qt Print Support (print/QtPrintSystem). It holds nothing of
// the program but the interface and links only Qt.
#include "print/QtPrintSystem.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

namespace vestra {
namespace {

class SystemPrinter : public QPrinter, public PrinterControl {
public:
    explicit SystemPrinter(const QPrinterInfo& info) : QPrinter(info, QPrinter::HighResolution) {}

    QString printerName() const override { return QPrinter::printerName(); }
    void setDocumentName(const QString& title) override { setDocName(title); }
    bool inError() const override { return printerState() == QPrinter::Error; }
    void abortJob() override { abort(); }
};

class SheetPreview : public PagePreview {
public:
    SheetPreview(const QPageLayout& layout, std::function<void(QPagedPaintDevice&)> paint,
                 QWidget* parent)
        : sheet_(QPrinter::HighResolution), paint_(std::move(paint)) {
        sheet_.setOutputFormat(QPrinter::PdfFormat);
        sheet_.setPageLayout(layout);
        view_ = new QPrintPreviewWidget(&sheet_, parent);
        QObject::connect(view_, &QPrintPreviewWidget::paintRequested,
                         [this](QPrinter* printer) { paint_(*printer); });
    }
    // The view goes before the sheet it draws on.
    ~SheetPreview() override { delete view_; }

    QWidget* widget() override { return view_; }
    int pageCount() override { return view_->pageCount(); }
    void zoomIn(double factor) override { view_->zoomIn(factor); }
    void zoomOut(double factor) override { view_->zoomOut(factor); }

private:
    // A PDF sheet is the same on every machine, whatever printers it has.
    QPrinter sheet_;
    std::function<void(QPagedPaintDevice&)> paint_;
    QPrintPreviewWidget* view_;
};

class QtPrintSupport : public PrintSystem {
public:
    QStringList printerNames() override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultPrinterName() override { return QPrinterInfo::defaultPrinterName(); }

    std::unique_ptr<QPagedPaintDevice> openPrinter(const QtPrintDestination& destination) override {
        QPrinterInfo info = QPrinterInfo::printerInfo(destination.printerName);
        if (info.isNull()) {
            return nullptr;
        }
        auto printer = std::make_unique<SystemPrinter>(info);
        if (!printer->isValid()) {
            return nullptr;
        }
        printer->setPageSize(QPageSize(destination.pageSize));
        printer->setPageOrientation(destination.orientation);
        return printer;
    }

    std::unique_ptr<PagePreview> createPreview(const QPageLayout& layout,
                                               std::function<void(QPagedPaintDevice&)> paint,
                                               QWidget* parent, QString&) override {
        return std::make_unique<SheetPreview>(layout, std::move(paint), parent);
    }
};

} // namespace
} // namespace vestra

extern "C" vestra::PrintSystem* vestra_print_system() {
    return new vestra::QtPrintSupport;
}
