#include "print/ReportPainter.h"

#include "print/ReportLayout.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

using namespace ReportMm;

namespace {

// Font sizes of the report definition are pixels on a 96 dpi screen.
constexpr double DesignDpi = 96.0;
constexpr int TextPixels = 13;
constexpr int TitlePixels = 19;

// Song-style serif faces with the Chinese glyphs, in order of preference.
const QStringList SongFamilies{"SimSun", "AR PL UMing CN", "Noto Serif CJK SC", "Noto Serif CJK",
                               "AR PL SungtiL GB", "WenQuanYi Zen Hei", "WenQuanYi Micro Hei"};
const QStringList FooterFamilies{"Arial", "Liberation Sans", "DejaVu Sans"};

class TReportCanvas {
public:
    TReportCanvas(QPainter& painter, const QPagedPaintDevice& device)
        : m_painter(painter), m_dpiX(device.logicalDpiX()), m_dpiY(device.logicalDpiY())
    {
    }

    void Text(double left, double top, double width, double height, const QString& text, int flags,
              const QFont& font)
    {
        m_painter.setFont(font);
        m_painter.drawText(rect(left, top, width, height), flags | Qt::TextSingleLine, text);
    }

    void Rule(double top)
    {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, m_dpiY / DesignDpi));
        m_painter.setPen(pen);
        m_painter.drawLine(QPointF(x(0), y(top)), QPointF(x(PrintableWidth), y(top)));
    }

    QFont Font(const QStringList& families, int designPixels, bool bold) const
    {
        QFont font;
        font.setFamilies(families);
        font.setStyleHint(QFont::Serif);
        font.setPixelSize(std::max(1, qRound(designPixels * m_dpiY / DesignDpi)));
        font.setBold(bold);
        return font;
    }

    void Offset(double topMm) { m_top = topMm; }

private:
    double x(double mm) const { return mm * m_dpiX / 25.4; }
    double y(double mm) const { return (m_top + mm) * m_dpiY / 25.4; }
    QRectF rect(double left, double top, double width, double height) const
    {
        return QRectF(QPointF(x(left), y(top)), QPointF(x(left + width), y(top + height)));
    }

    QPainter& m_painter;
    double m_dpiX;
    double m_dpiY;
    double m_top = 0;
};

void paintPageHeader(TReportCanvas& canvas, const TPrintHeader& header, const QDateTime& at)
{
    const QFont text = canvas.Font(SongFamilies, TextPixels, false);
    const QFont bold = canvas.Font(SongFamilies, TextPixels, true);
    canvas.Text(0, 0, 195, 11, header.Title, Qt::AlignCenter, canvas.Font(SongFamilies, TitlePixels, true));
    canvas.Text(134, 11, 30, 5, at.toString(QStringLiteral("yyyy/MM/dd")), Qt::AlignRight | Qt::AlignVCenter, text);
    canvas.Text(165, 11, 25, 5, at.toString(QStringLiteral("HH:mm:ss")), Qt::AlignRight | Qt::AlignVCenter, text);
    canvas.Rule(16);
    const QString* pairs[3][2] = {{&header.AField, &header.AValue}, {&header.BField, &header.BValue},
                                  {&header.CField, &header.CValue}};
    for (int i = 0; i < 3; ++i) {
        const double top = 18 + 5 * i;
        canvas.Text(0, top, 66, 5, *pairs[i][0], Qt::AlignRight | Qt::AlignVCenter, bold);
        canvas.Text(67, top, 113, 5, *pairs[i][1], Qt::AlignLeft | Qt::AlignVCenter, bold);
    }
    canvas.Rule(36);
}

void paintLine(TReportCanvas& canvas, const TPrintLine& line)
{
    const QFont text = canvas.Font(SongFamilies, TextPixels, false);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    canvas.Text(5, 0, 44, MasterDataHeight, line.AField, flags, text);
    canvas.Text(49, 0, 43, MasterDataHeight, QStringLiteral("  ") + line.AValue, flags, text);
    canvas.Text(94, 0, 48, MasterDataHeight, line.BField, flags, text);
    canvas.Text(143, 0, 52, MasterDataHeight, line.BValue, flags, text);
}

void paintBand(TReportCanvas& canvas, const TPlacedBand& band, const TPrintData& data, const QDateTime& at, int page)
{
    canvas.Offset(band.TopMm);
    switch (band.Kind) {
    case TBandKind::PageHeader: paintPageHeader(canvas, data.Header, at); break;
    case TBandKind::GroupHeader:
        canvas.Text(0, 1, 51, 5, data.Lines[band.Line].TypeName, Qt::AlignLeft | Qt::AlignVCenter,
                    canvas.Font(SongFamilies, TextPixels, true));
        break;
    case TBandKind::MasterData: paintLine(canvas, data.Lines[band.Line]); break;
    case TBandKind::PageFooter:
        canvas.Text(80, 1, 20, 5, QString::number(page), Qt::AlignCenter, canvas.Font(FooterFamilies, TextPixels, true));
        break;
    }
}

} // namespace

void SetReportPageLayout(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(MarginLeft, MarginTop, MarginRight, MarginBottom),
                                     QPageLayout::Millimeter));
}

bool PaintReport(QPagedPaintDevice& device, const TPrintData& data, const QDateTime& at, int firstPage, int lastPage)
{
    const std::vector<TReportPage> pages = LayOutReport(data);
    const int first = std::max(1, firstPage);
    const int last = lastPage > 0 ? std::min(lastPage, int(pages.size())) : int(pages.size());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    TReportCanvas canvas(painter, device);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        for (const TPlacedBand& band : pages[page - 1])
            paintBand(canvas, band, data, at, page);
    }
    return painter.end();
}

QByteArray ReportPdf(const TPrintData& data, const QDateTime& at)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(data.Header.Title);
        writer.setCreator(data.Header.Title);
        SetReportPageLayout(writer);
        PaintReport(writer, data, at);
    }
    return buffer.data();
}
