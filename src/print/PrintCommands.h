#pragma once
// The printout in the program: the function rows read from the function settings dialog, the
// print dialog and the preview window.

#include "print/PrintData.h"

#include <QDateTime>
#include <QPrintPreviewDialog>
#include <functional>

class QAction;

class TPrint {
public:
    // Creates the function settings dialog without showing it, lets it translate itself and load
    // TFun, appends its fourteen rows and destroys it.
    static bool AddFunctionRows(TPrintData& data, const TLanguage& language);
};

// The platform's print dialog (printer, copies, page range); Cancel prints nothing.
void PrintReport(QWidget* parent, const TPrintData& data, const QDateTime& at);

// The preview window: print, zoom, page navigation, and an export to PDF that replaces only a
// regular file. It translates itself when made.
class TfPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TfPrintPreview(const TPrintData& data, const QDateTime& at, QWidget* parent = nullptr);

    // The PDF file to write, or an empty text for Cancel; replaceable so tests can answer it.
    std::function<QString()> ChoosePdfFile;

    QAction* tbPdf;

private:
    void tbPdfClick();

    const TPrintData m_data;
    const QDateTime m_at;
};
