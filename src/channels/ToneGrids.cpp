#include "channels/ToneGrids.h"

#include <algorithm>

namespace {

constexpr TRgb White{255, 255, 255};

struct TGroupShape {
    int Groups;
    int RowsPerGroup;
    int FirstEntry;  // tone table entry of the first cell
    std::vector<TToneColumn> Columns;  // the columns of one group
};

TGroupShape shapeOf(TToneTableKind kind)
{
    if (kind == TToneTableKind::Ctcss)
        return {5, 9, 0, {{32, {249, 141, 227}, false}, {43, White, true}, {32, {225, 249, 112}, false}}};
    return {8, 11, 45, {{25, {47, 231, 220}, false}, {43, White, true}}};
}

// The texts of one entry, one per column of its group.
QStringList cellsOf(TToneTableKind kind, const QString& entry)
{
    const TToneEntryParts parts = SplitToneEntry(entry);
    switch (kind) {
    case TToneTableKind::Ctcss:
        return {parts.First, parts.Middle, parts.Last};
    case TToneTableKind::DcsNormal:
        return {parts.First, entry.isEmpty() ? QString() : parts.Middle + 'N'};
    case TToneTableKind::DcsInverted:
        return {parts.First, entry.isEmpty() ? QString() : parts.Middle + 'I'};
    }
    return {};
}

} // namespace

TToneEntryParts SplitToneEntry(const QString& entry)
{
    if (entry.isEmpty())
        return {};
    const qsizetype firstDash = entry.indexOf('-');
    // Without any dash there is no first part and the whole entry is the rest.
    const QString first = entry.left(std::max<qsizetype>(firstDash, 0));
    const QString rest = entry.mid(firstDash + 1);
    const qsizetype secondDash = rest.indexOf('-');
    if (secondDash < 0)
        return {first, rest, rest};
    return {first, rest.left(secondDash), rest.mid(secondDash + 1)};
}

TToneGrid ToneGridLayout(TToneTableKind kind, const QStringList& toneTable)
{
    const TGroupShape shape = shapeOf(kind);
    TToneGrid grid;
    for (int g = 0; g < shape.Groups; ++g)
        grid.Columns.insert(grid.Columns.end(), shape.Columns.begin(), shape.Columns.end());
    grid.Rows.resize(shape.RowsPerGroup);
    for (int g = 0; g < shape.Groups; ++g) {
        for (int r = 0; r < shape.RowsPerGroup; ++r) {
            const qsizetype entry = shape.FirstEntry + shape.RowsPerGroup * g + r;
            grid.Rows[r] += cellsOf(kind, toneTable.value(entry));
        }
    }
    return grid;
}
