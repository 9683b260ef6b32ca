#pragma once
// "Test Frequency": the sixteen receive and transmit test frequencies of TTestFre in a grid.
// Each entry passes the rule of settings/TestFrequencyEntry.h. OK copies the grid into TTestFre
// and leaves Modified as it was; Cancel keeps TTestFre. Once an entry has been taken, closing the
// dialog in any way shows the reminder held by the hidden label Label1.

#include "locale/FormDialog.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TfTestFrequency : public TFormDialog {
    Q_OBJECT
public:
    explicit TfTestFrequency(QWidget* parent = nullptr);

    // Column 0 the channel numbers, 1 receive, 2 transmit; row r is entry r + 1.
    QTableWidget* gvData;
    QLabel* Label1;  // the reminder, never shown as a label
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // An entry the user made in a frequency cell (row and column of gvData).
    void gvDataSetForeText(int row, int column, const QString& text);

    void done(int result) override;

protected:
    void FormShow() override;

private:
    void btnOkClick();

    bool m_edited = false;
};
