#pragma once

#include "report.h"

class QPainter;

// Paints a worksheet onto any painter device: a printer, a PDF writer or an image. The device's
// own resolution turns millimetres into dots; its origin must be the paper's top-left corner.
namespace PageRenderer {

void render(const Report &report, QPainter &painter, const QString &dateText);

// Several sheets as one document, a page each; the painter's device must be a paged one (a
// printer or a PDF writer).
void renderPages(const QList<Report> &pages, QPainter &painter, const QString &dateText);

// The day's date in the system's short date format, as the date fields show it.
QString todayText();

} // namespace PageRenderer
