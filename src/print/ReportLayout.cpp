#include "print/ReportLayout.h"

#include <algorithm>

using namespace ReportMm;

std::vector<TReportPage> LayOutReport(const TPrintData& data)
{
    constexpr double FooterTop = PrintableHeight - PageFooterHeight;
    std::vector<TReportPage> pages;
    double top = 0;
    const auto newPage = [&] {
        if (!pages.empty())
            pages.back().push_back({TBandKind::PageFooter, -1, FooterTop});
        pages.push_back({{TBandKind::PageHeader, -1, 0}});
        top = PageHeaderHeight;
    };
    const auto place = [&](TBandKind kind, int line, double height) {
        if (top + height > FooterTop)
            newPage();
        pages.back().push_back({kind, line, top});
        top += height;
    };

    newPage();
    for (int line = 0; line < int(data.Lines.size()); ++line) {
        if (line == 0 || data.Lines[line].TypeID != data.Lines[line - 1].TypeID) {
            if (line > 0)
                newPage();
            place(TBandKind::GroupHeader, line, GroupHeaderHeight);
        }
        const int kept = std::min(data.Lines[line].KeepWithNext, int(data.Lines.size()) - line - 1);
        if (top + (kept + 1) * MasterDataHeight > FooterTop)
            newPage();
        place(TBandKind::MasterData, line, MasterDataHeight);
    }
    pages.back().push_back({TBandKind::PageFooter, -1, FooterTop});
    return pages;
}
