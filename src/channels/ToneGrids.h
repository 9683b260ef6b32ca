#pragma once
// How the tone picker lays the tone table out over its three tables: CTCSS in five groups of
// index, tone and code columns; DCS in eight groups of number and code columns, once with the
// normal ("N") and once with the inverted ("I") polarity letter.

#include <QString>
#include <QStringList>
#include <vector>

struct TToneEntryParts {
    QString First;
    QString Middle;
    QString Last;
};

// "01-67.0-XZ" gives "01", "67.0", "XZ"; "1-D023" gives "1", "D023", "D023"; "" gives three
// empty parts; an entry without a dash has an empty first part.
TToneEntryParts SplitToneEntry(const QString& entry);

struct TRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    bool operator==(const TRgb&) const = default;
};

struct TToneColumn {
    int Width = 0;      // pixels
    TRgb Colour;        // background of every cell
    bool Tone = false;  // shows tones in bold, and a double-click picks from it
};

enum class TToneTableKind { Ctcss, DcsNormal, DcsInverted };

struct TToneGrid {
    std::vector<TToneColumn> Columns;
    std::vector<QStringList> Rows;  // display texts, one list of Columns.size() texts per row
};

// The table of the given kind, filled from the tone table (ToneTable() of Tones.h). Entries the
// table lacks give empty cells.
TToneGrid ToneGridLayout(TToneTableKind kind, const QStringList& toneTable);
