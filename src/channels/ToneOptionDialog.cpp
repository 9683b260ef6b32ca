#include "channels/ToneOptionDialog.h"

#include "channels/Tones.h"
#include "locale/TranslateForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The DCS tables have the most rows; the CTCSS table's rows share the same height between them.
constexpr int DcsRowHeight = 20;
constexpr int GridRows = 11;
constexpr int GridAreaHeight = GridRows * DcsRowHeight;

// Marks the first row's cell of a column that can be picked, as the value text "1".
constexpr int ValueTextRole = Qt::UserRole;

} // namespace

TfToneOption::TfToneOption(QWidget* parent)
    : TFormDialog(parent),
      gbVoice(new QGroupBox(QStringLiteral("Channel Voice Selection"), this)),
      rCTCSS(new QRadioButton(QStringLiteral("CTCSS"), gbVoice)),
      rDCSN(new QRadioButton(QStringLiteral("DCS-N"), gbVoice)),
      rDCSI(new QRadioButton(QStringLiteral("DCS-I"), gbVoice)),
      lbSel(new QListWidget(this)),
      gbList(new QGroupBox(QStringLiteral(" Code List"), this)),
      gvCtcss(makeGrid("gvCtcss")),
      gvDcsN(makeGrid("gvDcsN")),
      gvDcsI(makeGrid("gvDcsI")),
      lbValue(new QListWidget(this))
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));
    gbVoice->setObjectName(QStringLiteral("gbVoice"));
    gbList->setObjectName(QStringLiteral("gbList"));

    const std::pair<QRadioButton*, const char*> radios[] = {{rCTCSS, "rCTCSS"}, {rDCSN, "rDCSN"}, {rDCSI, "rDCSI"}};
    auto* radioRow = new QHBoxLayout(gbVoice);
    for (int tag = 0; tag < 3; ++tag) {
        QRadioButton* radio = radios[tag].first;
        radio->setObjectName(QString::fromLatin1(radios[tag].second));
        SetComponentTag(radio, tag);
        radioRow->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, radio] { rCTCSSClick(radio); });
    }
    radioRow->addStretch();
    rCTCSS->setChecked(true);

    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
    lbSel->hide();
    lbValue->setObjectName(QStringLiteral("lbValue"));
    SetComponentTag(lbValue, TagKeepItems);
    lbValue->addItems(ToneTable());
    lbValue->hide();

    // The three tables share one place; only one is visible at a time.
    auto* tables = new QGridLayout(gbList);
    for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI}) {
        tables->addWidget(grid, 0, 0);
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::cellDoubleClicked, this,
                [this, grid](int row, int column) { PickTone(grid, row, column); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbVoice);
    layout->addWidget(gbList);
}

QTableWidget* TfToneOption::makeGrid(const char* name)
{
    auto* grid = new QTableWidget(gbList);
    grid->setObjectName(QString::fromLatin1(name));
    // The fixed widths and heights are below the style's smallest section.
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->hide();
    }
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setWordWrap(false);
    grid->hide();
    return grid;
}

int TfToneOption::fillGrid(QTableWidget* grid, TToneTableKind kind, const QStringList& toneTable)
{
    const TToneGrid layout = ToneGridLayout(kind, toneTable);

    grid->setUpdatesEnabled(false);
    grid->clear();
    const int rows = static_cast<int>(layout.Rows.size());
    const int columns = static_cast<int>(layout.Columns.size());
    grid->setRowCount(rows);
    grid->setColumnCount(columns);
    const int rowHeight = GridAreaHeight / rows;
    for (int r = 0; r < rows; ++r)
        grid->setRowHeight(r, rowHeight);

    int width = 0;
    QFont toneFont = grid->font();
    toneFont.setBold(true);
    for (int c = 0; c < columns; ++c) {
        const TToneColumn& column = layout.Columns[static_cast<size_t>(c)];
        grid->setColumnWidth(c, column.Width);
        width += column.Width;
        const QColor colour(column.Colour.Red, column.Colour.Green, column.Colour.Blue);
        for (int r = 0; r < rows; ++r) {
            auto* cell = new QTableWidgetItem(layout.Rows[static_cast<size_t>(r)][c]);
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setBackground(colour);
            cell->setForeground(Qt::black);
            if (column.Tone)
                cell->setFont(toneFont);
            grid->setItem(r, c, cell);
        }
        if (column.Tone)
            grid->item(0, c)->setData(ValueTextRole, QStringLiteral("1"));
    }
    grid->setUpdatesEnabled(true);
    return width;
}

void TfToneOption::FillToneGrids()
{
    QStringList toneTable;
    for (int i = 0; i < lbValue->count(); ++i)
        toneTable << lbValue->item(i)->text();
    const int widest = std::max({fillGrid(gvCtcss, TToneTableKind::Ctcss, toneTable),
                                 fillGrid(gvDcsN, TToneTableKind::DcsNormal, toneTable),
                                 fillGrid(gvDcsI, TToneTableKind::DcsInverted, toneTable)});
    // All three fill the same area, so switching tables never resizes the dialog.
    const int frame = 2 * gvCtcss->frameWidth();
    for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI})
        grid->setFixedSize(widest + frame, GridAreaHeight + frame);
}

void TfToneOption::FormShow()
{
    FillToneGrids();
    SelectedTone.clear();
    TranslateWhenNotFirstLanguage(this, false);
    rCTCSS->setChecked(true);
    rCTCSSClick(this);
}

void TfToneOption::rCTCSSClick(const QObject* sender)
{
    gbList->setEnabled(false);
    gvCtcss->setVisible(rCTCSS->isChecked());
    gvDcsN->setVisible(rDCSN->isChecked());
    gvDcsI->setVisible(rDCSI->isChecked());
    if (const QListWidgetItem* caption = lbSel->item(ComponentTag(sender)))
        gbList->setTitle(caption->text());
    gbList->setEnabled(true);
}

void TfToneOption::PickTone(QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* marker = grid->item(0, column);
    const QTableWidgetItem* cell = grid->item(row, column);
    if (!marker || !cell || marker->data(ValueTextRole).toString() != QStringLiteral("1"))
        return;
    SelectedTone = cell->text();
    accept();
}

bool TfToneOption::eventFilter(QObject* watched, QEvent* event)
{
    auto* grid = qobject_cast<QTableWidget*>(watched);
    if (grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (grid->currentItem())
                PickTone(grid, grid->currentRow(), grid->currentColumn());
            return true;
        }
    }
    return TFormDialog::eventFilter(watched, event);
}
