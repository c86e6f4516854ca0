#pragma once

#include "print/QtPrintDestination.h"

#include <QPageLayout>
#include <QStringList>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace vestra {

// What a printer has beyond the pages it is painted on: its name, a state and a job that can be
// thrown away. The device of an opened printer also is one of these; a PDF writer or the
// preview's sheet is not, and is no printer.
class PrinterControl {
public:
    virtual QString printerName() const = 0;
    virtual void setDocumentName(const QString& title) = 0;
    virtual bool inError() const = 0;
    virtual void abortJob() = 0;

protected:
    ~PrinterControl() = default;
};

// The printer control of device, or null when device is no printer.
PrinterControl* PrinterOf(QPagedPaintDevice& device);

// The print preview's view: pages drawn on demand onto a sheet that is only measured and painted
// on, never sent anywhere.
class PagePreview {
public:
    virtual ~PagePreview() = default;
    virtual QWidget* widget() = 0; // owned by this view
    virtual int pageCount() = 0;
    virtual void zoomIn(double factor) = 0;
    virtual void zoomOut(double factor) = 0;
};

// The printers of the system, behind an interface so that the print windows can be tested the
// same on machines with and without printers.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    virtual QStringList printerNames() = 0;
    // The system's default printer; empty when it has none.
    virtual QString defaultPrinterName() = 0;
    // The named printer set up for the destination's paper and orientation (a device that is a
    // PrinterControl); null when it cannot be reached.
    virtual std::unique_ptr<QPagedPaintDevice>
    openPrinter(const QtPrintDestination& destination) = 0;
    // A preview in parent of what paint draws on a sheet of layout; null with the reason when the
    // system has no preview.
    virtual std::unique_ptr<PagePreview>
    createPreview(const QPageLayout& layout, std::function<void(QPagedPaintDevice&)> paint,
                  QWidget* parent, QString& reason) = 0;
};

// The destination a run of the program starts with: the default printer, else the first
// printer, else the PDF file; on the paper of the user's environment.
QtPrintDestination InitialDestination(PrintSystem& system);

// The printers and the preview of Qt's print support, which lives in the module vestra-print.so
// (print/QtPrintSupport.cpp) and is loaded at the first use: a run that neither prints nor opens
// the print menu maps neither Qt Print Support nor its CUPS plug-in. Without the module there are
// no printers (a report goes to a PDF file) and no preview, whose place says why.
class QtPrintSystem : public PrintSystem {
public:
    QtPrintSystem();
    ~QtPrintSystem() override;

    QStringList printerNames() override;
    QString defaultPrinterName() override;
    std::unique_ptr<QPagedPaintDevice> openPrinter(const QtPrintDestination& destination) override;
    std::unique_ptr<PagePreview> createPreview(const QPageLayout& layout,
                                               std::function<void(QPagedPaintDevice&)> paint,
                                               QWidget* parent, QString& reason) override;

private:
    PrintSystem* loaded(); // null when the module cannot be loaded (failure_ says why)

    std::unique_ptr<PrintSystem> module_;
    bool tried_ = false;
    std::string failure_;
};

} // namespace vestra

// The module's entry point, looked up by name after loading it.
extern "C" vestra::PrintSystem* vestra_print_system();
