#include "channels/ChannelWindow.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelWindowNames.h"
#include "channels/EditorForm.h"
#include "channels/FrequencyCellDelegate.h"
#include "channels/ToneBox.h"
#include "channels/Tones.h"
#include "codeplug/GlobalState.h"
#include "locale/ListGuard.h"
#include "locale/TranslateForm.h"

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableView>
#include <QVBoxLayout>

// Paints the title column in the button-face colour and edits frequencies with a field that takes
// only digits and points.
class TGridDelegate final : public TFrequencyCellDelegate {
public:
    explicit TGridDelegate(QObject* parent)
        : TFrequencyCellDelegate(QRegularExpression(QStringLiteral("[0-9.]*")), parent)
    {
    }

    QLineEdit* OpenEditor() const { return m_editor; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_editor = static_cast<QLineEdit*>(TFrequencyCellDelegate::createEditor(parent, option, index));
        return m_editor;
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        if (editor == m_editor)
            m_editor = nullptr;
        TFrequencyCellDelegate::destroyEditor(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        // The table only hears of a text that differs from the cell's, as the grid did.
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (text != index.data(Qt::EditRole).toString())
            model->setData(index, text, Qt::EditRole);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        TFrequencyCellDelegate::initStyleOption(option, index);
        if (index.data(TChannelTable::ButtonFaceRole).toBool())
            option->backgroundBrush = option->palette.button();
    }

private:
    mutable QPointer<QLineEdit> m_editor;
};

namespace {

TToneBox* makeToneList(QWidget* parent, const char* name)
{
    auto* list = new TToneBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->hide();
    return list;
}

QComboBox* makeFixedList(QWidget* parent, const char* name, const QStringList& items)
{
    QComboBox* list = NewFixedList(parent, name, items);
    list->hide();
    return list;
}

} // namespace

TfChInfo::TfChInfo(TChannelTable& table, QWidget* parent)
    : QWidget(parent)
    , m_table(table)
{
    setObjectName(QString::fromLatin1(ChannelWindowName));
    setWindowTitle(QStringLiteral("Channel Information"));

    gvData = new QTableView(this);
    gvData->setObjectName(QStringLiteral("gvData"));
    gvData->setProperty(TagProperty, TagKeepItems);  // the titles come from BColText
    gvData->setModel(&m_table);
    m_delegate = new TGridDelegate(gvData);
    gvData->setItemDelegate(m_delegate);
    gvData->verticalHeader()->hide();
    gvData->verticalHeader()->setDefaultSectionSize(20);
    gvData->horizontalHeader()->setSectionsMovable(false);
    gvData->horizontalHeader()->setHighlightSections(false);
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setSelectionBehavior(QAbstractItemView::SelectItems);
    gvData->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    gvData->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    lNone = new QLabel(BuiltInNoneText, this);
    lNone->setObjectName(QStringLiteral("lNone"));
    lNone->hide();

    BColText = new QListWidget(this);
    BColText->setObjectName(QString::fromLatin1(ColumnTitlesName));
    BColText->hide();
    const TChannelTexts builtIn = TChannelTexts::BuiltIn();
    BColText->addItems(builtIn.Titles);
    for (int width : ChannelColumnWidths)
        BColText->addItem(QString::number(width));
    for (int align : ChannelColumnAlignCodes)
        BColText->addItem(QString::number(align));

    QWidget* viewport = gvData->viewport();
    cbQT = makeToneList(viewport, DecodeToneListName);
    cbDQT = makeToneList(viewport, "cbDQT");
    cbfsgl = makeFixedList(viewport, PowerListName, builtIn.Power);
    cbkz = makeFixedList(viewport, BandwidthListName, builtIn.Bandwidth);
    cbHave = makeFixedList(viewport, YesNoListName, builtIn.YesNo);

    for (TToneBox* list : {cbQT, cbDQT}) {
        list->lineEdit()->installEventFilter(this);
        connect(list, &TToneBox::toneEntered, this, [this, list] { ComBoxSetData(list); });
    }
    for (QComboBox* list : {cbfsgl, cbkz, cbHave})
        connect(list, &QComboBox::activated, this, [this, list] { ComBoxSetData(list); });
    for (QComboBox* list : allLists())
        list->installEventFilter(this);

    connect(gvData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { gvDataSelectCell(current); });
    connect(gvData, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) { gvDataMouseDown(index); });
    // A rebuilt table (another model, another channel count) leaves no list over a stale cell.
    connect(&m_table, &QAbstractItemModel::modelReset, this, [this] { hideLists(); });
}

std::array<QComboBox*, 5> TfChInfo::allLists() const
{
    return {cbQT, cbDQT, cbfsgl, cbkz, cbHave};
}

int TfChInfo::CurrentChannel() const
{
    const QModelIndex current = gvData->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TfChInfo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfChInfo::FormShow()
{
    TranslateWhenNotFirstLanguage(this, true);
    lNone->setText(cbQT->itemText(0));
    BuildColumns();
}

TChannelTexts TfChInfo::textsFromWidgets() const
{
    TChannelTexts texts;
    for (int c = 0; c < ChannelColumnCount && c < BColText->count(); ++c)
        texts.Titles.append(BColText->item(c)->text());
    texts.None = cbQT->itemText(0);
    const auto items = [](const QComboBox* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result.append(list->itemText(i));
        return result;
    };
    texts.Power = items(cbfsgl);
    texts.Bandwidth = items(cbkz);
    texts.YesNo = items(cbHave);
    return texts;
}

void TfChInfo::BuildColumns()
{
    m_table.RetranslateGrid(textsFromWidgets());
    int total = 0;
    for (int c = 0; c < ChannelColumnCount; ++c) {
        const QListWidgetItem* entry = BColText->item(ChannelColumnCount + c);
        const int width = entry ? entry->text().toInt() : 0;
        gvData->setColumnWidth(c, std::max(width > 0 ? width : ChannelColumnWidths[c], titleWidth(c)));
        total += gvData->columnWidth(c);
    }
    m_table.ResetChannelRows();
    m_preferredSize = QSize(total + 30, std::min(m_preferredSize.height(), 30 * theAll().ChannelCount));
    updateGeometry();
}

void TfChInfo::RetranslateGrid()
{
    EndEditing();
    TranslateForm(this, theAll().LanguageName, true);
    m_table.RetranslateGrid(textsFromWidgets());
    lNone->setText(cbQT->itemText(0));
    for (int c = 0; c < ChannelColumnCount; ++c)
        gvData->setColumnWidth(c, std::max(gvData->columnWidth(c), titleWidth(c)));
}

int TfChInfo::titleWidth(int column) const
{
    // A title wider than its column in this font gets the room it needs, so none is cut.
    const QString title = m_table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return gvData->horizontalHeader()->fontMetrics().horizontalAdvance(title) + 14;
}

QComboBox* TfChInfo::listOfColumn(int column) const
{
    switch (column) {
    case ColDecode: return cbQT;
    case ColEncode: return cbDQT;
    case ColPower: return cbfsgl;
    case ColBandwidth: return cbkz;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout: return cbHave;
    default: return nullptr;
    }
}

void TfChInfo::gvDataSelectCell(const QModelIndex& index)
{
    hideLists();
    if (!index.isValid())
        return;
    CurCol = index.column() + 1;
    CurRow = index.row() + 1;
    ShowCellList();
}

void TfChInfo::gvDataMouseDown(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const int column = index.column() + 1;
    const bool frequency = column == ColRx || (column == ColTx && m_table.HoldsChannel(index.row() + 1));
    if (frequency)
        gvData->edit(index);
    else if (CurCol == column && CurRow == index.row() + 1)
        ShowCellList();  // a click on the cell already selected opens its list again
}

void TfChInfo::ShowCellList()
{
    if (CurRow < 1 || CurRow > m_table.ChannelCount() || !m_table.HoldsChannel(CurRow))
        return;
    QComboBox* list = listOfColumn(CurCol);
    if (!list)
        return;
    const TCell& cell = m_table.Cell(CurRow, CurCol);
    if (list == cbDQT && m_table.Cell(CurRow, ColTx).Fore.isEmpty())
        return;

    TALL& all = theAll();
    all.GridFilling = true;
    if (list->isEditable()) {
        list->setEditText(cell.Fore);
    } else {
        if (list == cbHave)
            list->setEditText(cell.Fore);
        list->setCurrentIndex(cell.Back.isEmpty() ? 0 : cell.Back.toInt());
    }
    all.GridFilling = false;

    const QModelIndex index = m_table.index(CurRow - 1, CurCol - 1);
    const QRect rect = gvData->visualRect(index);
    list->setGeometry(rect.x() + 2, rect.y() + 2, gvData->columnWidth(CurCol - 1), list->sizeHint().height());
    list->show();
    list->raise();
    list->setFocus();
}

void TfChInfo::ComBoxSetData(QComboBox* list)
{
    if (theAll().GridFilling || CurRow < 1 || CurRow > m_table.ChannelCount())
        return;
    m_table.ComBoxSetData(CurRow, CurCol, list->currentIndex(), list->currentText());
    if (list->isEditable())
        list->setEditText(m_table.Cell(CurRow, CurCol).Fore);
}

void TfChInfo::hideLists()
{
    // Hiding a focused list would hand the focus on through the grid, which moves the current
    // cell; the grid takes the focus first.
    for (QComboBox* list : allLists()) {
        if (list->isAncestorOf(QApplication::focusWidget()) || list->hasFocus())
            gvData->setFocus();
        list->hide();
    }
}

void TfChInfo::commitToneText(QComboBox* list)
{
    if (list->isVisible() && list->isEditable() && list->currentText() != m_table.Cell(CurRow, CurCol).Fore)
        ComBoxSetData(list);
}

void TfChInfo::EndEditing()
{
    // What was typed is committed, so the set-text rules run on it before any command.
    if (QLineEdit* editor = m_delegate->OpenEditor()) {
        emit m_delegate->commitData(editor);
        emit m_delegate->closeEditor(editor);
    }
    commitToneText(cbQT);
    commitToneText(cbDQT);
    hideLists();
}

bool TfChInfo::eventFilter(QObject* watched, QEvent* event)
{
    QComboBox* list = qobject_cast<QComboBox*>(watched);
    if (!list && watched->parent())
        list = qobject_cast<QComboBox*>(watched->parent());
    if (!list)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        // An open list handles its keys in its own popup; these are the keys of a closed one.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (list->isEditable())
                ComBoxSetData(list);
            hideLists();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            if (list->isEditable())
                list->setEditText(m_table.Cell(CurRow, CurCol).Fore);
            hideLists();
            return true;
        }
        const bool typing = list->isEditable() && list->lineEdit()->isModified();
        // Over a closed list the moves move on through the grid, never through the list's items;
        // in a tone cell being typed into, left, right, Home and End move the text cursor.
        if (IsListMoveKey(*key, typing)) {
            hideLists();  // commits what was typed, as leaving the cell does
            QKeyEvent move(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(gvData, &move);
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (list->isVisible() && !list->view()->isVisible()) {
            commitToneText(list);
            list->hide();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
