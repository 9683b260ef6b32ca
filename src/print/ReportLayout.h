#pragma once
// The report definition in millimetres and the placing of its bands on pages: Letter paper with
// its margins, a page header and a page footer on every page, a group header that starts every
// group on a new page, and one master-data line per report line. A band that does not fit above
// the page footer goes to the next page; no band is ever split. A line that keeps its next lines
// with it goes to the next page unless they all fit.

#include "print/PrintData.h"

#include <vector>

namespace ReportMm {
inline constexpr double PaperWidth = 215.9;
inline constexpr double PaperHeight = 279.4;
inline constexpr double MarginLeft = 10;
inline constexpr double MarginRight = 10;
inline constexpr double MarginTop = 2;
inline constexpr double MarginBottom = 10;
inline constexpr double PrintableWidth = PaperWidth - MarginLeft - MarginRight;
inline constexpr double PrintableHeight = PaperHeight - MarginTop - MarginBottom;
inline constexpr double PageHeaderHeight = 37;
inline constexpr double GroupHeaderHeight = 7;
inline constexpr double MasterDataHeight = 7;
inline constexpr double PageFooterHeight = 6;
} // namespace ReportMm

enum class TBandKind { PageHeader, GroupHeader, MasterData, PageFooter };

struct TPlacedBand {
    TBandKind Kind;
    int Line;      // the report line shown (group header: its first line); -1 for page bands
    double TopMm;  // from the top of the printable area

    bool operator==(const TPlacedBand&) const = default;
};

using TReportPage = std::vector<TPlacedBand>;

// Every page with its bands, from top to bottom. A report without lines has one page holding
// the page header and the page footer.
std::vector<TReportPage> LayOutReport(const TPrintData& data);
