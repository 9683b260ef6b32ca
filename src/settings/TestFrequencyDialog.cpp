#include "settings/TestFrequencyDialog.h"

#include "channels/FrequencyCellDelegate.h"
#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"
#include "locale/TranslateForm.h"
#include "settings/TestFrequencyEntry.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr int ChannelColumn = 0;
constexpr int RxColumn = 1;
constexpr int TxColumn = 2;
constexpr int ColumnWidths[] = {60, 100, 100};
constexpr int RowHeight = 22;

// Edits a frequency cell with a field that takes up to five integer and five decimal digits, and
// hands an entry that differs from the cell's text to the dialog.
class TFrequencyDelegate final : public TFrequencyCellDelegate {
public:
    TFrequencyDelegate(std::function<void(int row, int column, const QString&)> entered, QObject* parent)
        : TFrequencyCellDelegate(QRegularExpression(QStringLiteral("[0-9]{0,5}(\\.[0-9]{0,5})?")), parent),
          m_entered(std::move(entered))
    {
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (text != index.data(Qt::EditRole).toString())
            m_entered(index.row(), index.column(), text);
    }

private:
    std::function<void(int, int, const QString&)> m_entered;
};

QTableWidgetItem* frequencyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TfTestFrequency::TfTestFrequency(QWidget* parent)
    : TFormDialog(parent),
      gvData(new QTableWidget(TestFrequencyCount, 3, this)),
      Label1(new QLabel(QStringLiteral("Test Frequency mismatch.#10#13Execute read data from radio or write to radio."), this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("fTestFrequency"));
    setWindowTitle(QStringLiteral("Test Frequency"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();

    gvData->setObjectName(QStringLiteral("gvData"));
    gvData->setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("RX [MHz]"), QStringLiteral("TX [MHz]")});
    gvData->verticalHeader()->hide();
    gvData->verticalHeader()->setDefaultSectionSize(RowHeight);
    gvData->horizontalHeader()->setSectionsMovable(false);
    gvData->horizontalHeader()->setHighlightSections(false);
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    gvData->setItemDelegate(new TFrequencyDelegate(
        [this](int row, int column, const QString& text) { gvDataSetForeText(row, column, text); }, gvData));
    int width = 2 * gvData->frameWidth();
    for (int column = 0; column < 3; ++column) {
        gvData->setColumnWidth(column, ColumnWidths[column]);
        width += ColumnWidths[column];
    }
    for (int row = 0; row < TestFrequencyCount; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(palette().button());
        gvData->setItem(row, ChannelColumn, number);
    }
    gvData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gvData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gvData->setFixedSize(width, 2 * gvData->frameWidth() + gvData->horizontalHeader()->sizeHint().height()
                                    + TestFrequencyCount * RowHeight);

    auto* body = new QVBoxLayout(this);
    body->addWidget(gvData);
    body->addWidget(okCancelButtons(btnOk, btnCancel));
    connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::btnOkClick);
}

void TfTestFrequency::FormShow()
{
    TranslateWhenNotFirstLanguage(this, true);
    const TTestFre& table = theTestFre();
    for (int row = 0; row < TestFrequencyCount; ++row) {
        gvData->setItem(row, RxColumn, frequencyItem(table.RxFreq[size_t(row + 1)]));
        gvData->setItem(row, TxColumn, frequencyItem(table.TxFreq[size_t(row + 1)]));
    }
    m_edited = false;
}

void TfTestFrequency::gvDataSetForeText(int row, int column, const QString& text)
{
    if (column != RxColumn && column != TxColumn)
        return;
    if (const std::optional<QString> taken = TestFrequencyEntryText(theAll(), text)) {
        gvData->item(row, column)->setText(*taken);
        m_edited = true;
    }
}

void TfTestFrequency::btnOkClick()
{
    TTestFre& table = theTestFre();
    for (int row = 0; row < TestFrequencyCount; ++row) {
        table.RxFreq[size_t(row + 1)] = gvData->item(row, RxColumn)->text();
        table.TxFreq[size_t(row + 1)] = gvData->item(row, TxColumn)->text();
    }
    accept();
}

void TfTestFrequency::done(int result)
{
    // The table lives only in the program: after an edit the radio no longer matches it.
    if (m_edited) {
        m_edited = false;
        MsgBox(theLanguage().Confirmation, WithLineBreaks(Label1->text()), MsgInformation);
    }
    TFormDialog::done(result);
}
