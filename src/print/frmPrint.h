#pragma once

#include "base/MessageSink.h"
#include "print/ReportPages.h"

#include <QDialog>
#include <vector>

class QPagedPaintDevice;
class QPushButton;
class QTimer;

namespace vestra {

class QtReportPrinter;

// The progress window of a print run. It starts printing by itself once shown, lets the events
// run after every line so that 中止 works, and closes itself when the run ends. It has no close
// button: only the end of the run or 中止 (also Esc) ends it.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    enum class Outcome { Pending, Completed, Cancelled, Failed };

    frmPrint(QPagedPaintDevice& device, std::vector<ReportPage> pages, MessageSink& messages,
             QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }
    int linesPrinted() const { return linesPrinted_; }

public slots:
    void cmdCancel_Click();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void tmrStart_Timer();

private:
    bool printLine(QtReportPrinter& out, const std::string& text);

    QPagedPaintDevice& device_;
    std::vector<ReportPage> pages_;
    MessageSink& messages_;
    QPushButton* cmdCancel_;
    QTimer* tmrStart_;
    bool keepPrinting_ = false;
    int linesPrinted_ = 0;
    Outcome outcome_ = Outcome::Pending;
};

} // namespace vestra
