#pragma once
// "Channel Tone Option": every CTCSS tone and DCS code in three tables, one shown at a time. A
// double-click on a tone, or Enter or Space on the selected one, closes the dialog with that tone
// in SelectedTone; index and code columns ignore them. Escape closes it with none.

#include "channels/ToneGrids.h"
#include "locale/FormDialog.h"

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

class TfToneOption : public TFormDialog {
    Q_OBJECT
public:
    explicit TfToneOption(QWidget* parent = nullptr);

    QGroupBox* gbVoice;
    QRadioButton* rCTCSS;  // Tag 0
    QRadioButton* rDCSN;   // Tag 1
    QRadioButton* rDCSI;   // Tag 2
    QListWidget* lbSel;    // hidden: the table captions, by the radio buttons' Tags
    QGroupBox* gbList;
    QTableWidget* gvCtcss;
    QTableWidget* gvDcsN;
    QTableWidget* gvDcsI;
    QListWidget* lbValue;  // hidden: the tone table, never translated

    // The tone double-clicked; empty when the dialog was closed otherwise.
    QString SelectedTone;

    void FillToneGrids();
    // Shows the table of the checked radio button under the caption lbSel[Tag of sender].
    void rCTCSSClick(const QObject* sender);
    // A double-click on a cell of a table.
    void PickTone(QTableWidget* grid, int row, int column);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* makeGrid(const char* name);
    // Gives the width of the table's columns.
    int fillGrid(QTableWidget* grid, TToneTableKind kind, const QStringList& toneTable);
};
