#pragma once
// The channel grid window "Channel Information": the channel table in a grid, RX and TX edited
// in place, and the five lists that open over the tone, power, bandwidth and flag cells.

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QTableView;
class TChannelTable;
class TGridDelegate;
class TToneBox;
struct TChannelTexts;

class TfChInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfChInfo(TChannelTable& table, QWidget* parent = nullptr);

    // Sets up the columns from BColText and empties the rows; run on the first showing.
    void BuildColumns();
    // Shows the list that belongs to the cell (CurCol, CurRow), when its row holds a channel.
    void ShowCellList();
    // Ends in-place editing and hides every list, so that no half-edited cell is pending.
    void EndEditing();
    // Translates the window into the current language and relabels the table.
    void RetranslateGrid();

    TChannelTable& Table() const { return m_table; }
    // The channel of the current grid row, 1 when there is none.
    int CurrentChannel() const;

    QTableView* gvData;
    QLabel* lNone;
    QListWidget* BColText;  // ten titles, ten widths, ten alignment codes
    TToneBox* cbQT;
    TToneBox* cbDQT;
    QComboBox* cbfsgl;
    QComboBox* cbkz;
    QComboBox* cbHave;
    int CurCol = 0;  // the cell last selected, columns and channels counted from 1
    int CurRow = 0;

    // The width of the columns and the height of the rows, as the window first opens.
    QSize sizeHint() const override { return m_preferredSize; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    TChannelTexts textsFromWidgets() const;
    void gvDataSelectCell(const QModelIndex& index);
    void gvDataMouseDown(const QModelIndex& index);
    void ComBoxSetData(QComboBox* list);
    void hideLists();
    std::array<QComboBox*, 5> allLists() const;
    void commitToneText(QComboBox* list);
    QComboBox* listOfColumn(int column) const;
    int titleWidth(int column) const;

    TChannelTable& m_table;
    TGridDelegate* m_delegate = nullptr;
    QSize m_preferredSize{800, 480};
    bool m_shown = false;
};
