#pragma once
// Draws the report on a paged device, a printer or a PDF writer alike: the bands of LayOutReport
// at their millimetre positions, converted through the device's resolution, so a preview, a
// printer and a PDF give the same page. The report font is a Song-style CJK serif where one is
// installed; any font with the glyphs stands in for a missing one.

#include "print/PrintData.h"

#include <QByteArray>
#include <QDateTime>

class QPagedPaintDevice;

// Letter paper in portrait with the report's margins.
void SetReportPageLayout(QPagedPaintDevice& device);

// Paints pages first to last (counted from 1; 0 and 0 for all) onto a device whose page layout
// is set; the date and time in the page header are those of at. False when the device cannot be
// painted on.
bool PaintReport(QPagedPaintDevice& device, const TPrintData& data, const QDateTime& at, int firstPage = 0,
                 int lastPage = 0);

// The whole report as a PDF document.
QByteArray ReportPdf(const TPrintData& data, const QDateTime& at);
