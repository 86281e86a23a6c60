#pragma once

#include <QRectF>

class QPainter;

// The double-entry multiplication grid: 13 rows by 12 columns, the products 1 x 2 to 12 x 12 with
// shaded bold headers, drawn as rules and text so that it stays sharp at any resolution.
namespace GridPicture {

inline constexpr double kHeaderColumnWidth = 13.5; // mm
inline constexpr double kColumnWidth = 13.0;
inline constexpr double kHeaderRowHeight = 10.3;
inline constexpr double kRowHeight = 10.0;
inline constexpr double kInset = 0.5; // from the picture's edge to the outer rules
inline constexpr double kNumberPoints = 12; // digits about 3 mm high

// The cell of row header r (0 for the header row) and column header c (0 for the header column,
// else 2 to 12), in millimetres, for a picture whose top-left corner is at 'origin'.
QRectF cell(QPointF origin, int row, int columnFactor);

// 'box' is in millimetres; 'dotsPerMm' scales to the device.
void paint(QPainter &painter, const QRectF &box, double dotsPerMmX, double dotsPerMmY);

} // namespace GridPicture
