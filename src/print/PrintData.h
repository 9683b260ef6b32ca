#pragma once
// The two datasets of the printout, as plain data: the page header and the report lines grouped
// by TypeID. Every text field keeps at most its width in bytes of the language's ANSI code page
// (GBK: a Chinese character takes two), cut on a character boundary.

#include <QString>
#include <vector>

class TChannelTable;
struct TLanguage;

struct TPrintHeader {
    QString Title;   // 20 bytes
    QString AField;  // 100
    QString AValue;  // 100
    QString BField;  // 100
    QString BValue;  // 100
    QString CField;  // 30
    QString CValue;  // 30
};

enum TPrintGroup {
    GroupChannels = 8,
    GroupFunctions = 9,
};

struct TPrintLine {
    int TypeID = 0;
    QString TypeName;  // 20 bytes
    QString AField;    // 100 each
    QString AValue;
    QString BField;
    QString BValue;
    // Not a field of the dataset: how many of the following lines go on the same page as this
    // one, so that the six lines of a channel are never parted by a page break.
    int KeepWithNext = 0;

    bool operator==(const TPrintLine&) const = default;
};

struct TPrintData {
    TPrintHeader Header;
    std::vector<TPrintLine> Lines;
};

// The text cut to at most maxBytes bytes of GBK, never inside a character.
QString CutToAnsiBytes(const QString& text, int maxBytes);

// The header row, each field cut to its width.
void SetPrintHeader(TPrintData& data, const TPrintHeader& header);
// Appends a line, each field cut to its width.
void AppendPrintLine(TPrintData& data, const TPrintLine& line);

// The function settings dialog as the printout reads it, after it has translated itself and
// loaded TFun: the program reads the dialog's widgets, the command-line companion the language file.
class TFunctionForm {
public:
    virtual ~TFunctionForm() = default;
    virtual QString Title() const = 0;
    // Caption of a label or check box.
    virtual QString Caption(const char* component) const = 0;
    // The text a list or the spin edit shows.
    virtual QString Text(const char* component) const = 0;
    virtual bool Ticked(const char* component) const = 0;
};

// The fourteen rows of group 9: captions and texts of the dialog, the Open or Close message for a
// check box. The FM setting is not printed.
void AppendFunctionRows(TPrintData& data, const TFunctionForm& form, const TLanguage& language);

// Group 8: a blank line under the group title, then six lines for every channel that has an RX
// frequency, with the table's column titles and shown texts.
void AppendChannelRows(TPrintData& data, const TChannelTable& table, const TLanguage& language);
