#include "print/PrintCommands.h"

#include "codeplug/GlobalState.h"
#include "codeplug/ReplaceFile.h"
#include "locale/MsgBox.h"
#include "locale/TranslateForm.h"
#include "print/ReportLayout.h"
#include "print/ReportPainter.h"
#include "settings/FunctionSettingsDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QToolBar>

namespace {

// The dialog's widgets, found by the names the language files know them by.
class TDialogFunctionForm final : public TFunctionForm {
public:
    explicit TDialogFunctionForm(const TfBFunSet& dialog) : m_dialog(dialog) {}

    QString Title() const override { return m_dialog.windowTitle(); }
    QString Caption(const char* component) const override
    {
        const QObject* widget = m_dialog.findChild<QObject*>(QString::fromLatin1(component));
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            return button->text();
        return {};
    }
    QString Text(const char* component) const override
    {
        const QObject* widget = m_dialog.findChild<QObject*>(QString::fromLatin1(component));
        if (const auto* list = qobject_cast<const QComboBox*>(widget))
            return list->currentText();
        if (const auto* spin = qobject_cast<const QSpinBox*>(widget))
            return spin->text();
        return {};
    }
    bool Ticked(const char* component) const override
    {
        const auto* box = m_dialog.findChild<QCheckBox*>(QString::fromLatin1(component));
        return box && box->isChecked();
    }

private:
    const TfBFunSet& m_dialog;
};

int pageCount(const TPrintData& data)
{
    return int(LayOutReport(data).size());
}

void paintOnPrinter(QPrinter& printer, const TPrintData& data, const QDateTime& at)
{
    SetReportPageLayout(printer);
    const bool range = printer.printRange() == QPrinter::PageRange;
    PaintReport(printer, data, at, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

} // namespace

// The dialog offers no printing to a file, which would write past the rule that only regular
// files are replaced: the preview exports PDF files instead.
void PrintReport(QWidget* parent, const TPrintData& data, const QDateTime& at)
{
    QPrinter printer(QPrinter::HighResolution);
    SetReportPageLayout(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setMinMax(1, pageCount(data));
    if (dialog.exec() == QDialog::Accepted)
        paintOnPrinter(printer, data, at);
}


bool TPrint::AddFunctionRows(TPrintData& data, const TLanguage& language)
{
    TfBFunSet dialog;
    dialog.LoadSettings();
    AppendFunctionRows(data, TDialogFunctionForm(dialog), language);
    return true;
}

TfPrintPreview::TfPrintPreview(const TPrintData& data, const QDateTime& at, QWidget* parent)
    : QPrintPreviewDialog(parent), m_data(data), m_at(at)
{
    setObjectName(QStringLiteral("fPrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    SetReportPageLayout(*printer());
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { paintOnPrinter(*target, m_data, m_at); });

    tbPdf = new QAction(QStringLiteral("Export to PDF"), this);
    tbPdf->setObjectName(QStringLiteral("tbPdf"));
    tbPdf->setToolTip(QStringLiteral("Export to PDF"));
    tbPdf->setProperty(ToolButtonProperty, true);
    connect(tbPdf, &QAction::triggered, this, &TfPrintPreview::tbPdfClick);
    if (auto* toolBar = findChild<QToolBar*>()) {
        // The preview's own print button would offer printing to a file: it runs ours instead.
        for (QAction* action : toolBar->actions()) {
            if (action->text() == QPrintPreviewDialog::tr("Print")) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, [this] { PrintReport(this, m_data, m_at); });
            }
        }
        toolBar->addSeparator();
        toolBar->addAction(tbPdf);
    }
    ChoosePdfFile = [this] {
        QFileDialog dialog(this, tbPdf->text(), QString(), QStringLiteral("PDF (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    // The page at its real size, in a window as large as the screen allows.
    if (auto* view = findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    setWindowState(Qt::WindowMaximized);
    TranslateWhenNotFirstLanguage(this, false);
}

void TfPrintPreview::tbPdfClick()
{
    const QString path = ChoosePdfFile();
    if (path.isEmpty())
        return;
    QString reason;
    if (!ReplaceFileContent(path, ReportPdf(m_data, m_at), reason))
        MsgBox(theLanguage().Confirmation, theLanguage().FileSaveError.arg(path, reason), MsgInformation);
}
