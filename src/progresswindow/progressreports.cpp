#include "progressreports.h"

#include "masterylook.h"
#include "worksheetlayouts.h"

namespace ProgressReports {

namespace {

constexpr double kLeft = 16;
constexpr double kCellsLeft = 36;
constexpr double kCellWidth = 11;
constexpr double kRowHeight = 7.5;
constexpr double kTotalsLeft = 168;
constexpr double kTotalsWidth = 25;
constexpr double kGridTop[2] = {40, 160};

LayoutElement text(const QString &name, QRectF box, const QString &content, FontStyle font = {10},
                   Alignment alignment = Alignment::Left, bool inTitleBlock = false)
{
    LayoutElement element;
    element.name = name;
    element.box = box;
    element.font = font;
    element.alignment = alignment;
    element.inTitleBlock = inTitleBlock;
    element.text = content;
    return element;
}

// A number or symbol right-aligned in one cell of a grid row.
LayoutElement cell(const QString &name, double left, double top, const QString &content, bool bold = false)
{
    return text(name, QRectF(left, top, kCellWidth - 2, 5), content, {10, bold}, Alignment::Right);
}

void addGrid(PageLayout &page, const ProgressMap &map, int op, const Captions &texts)
{
    const double top = kGridTop[op];
    const QString prefix = op == 0 ? QStringLiteral("Multiply") : QStringLiteral("Divide");
    page.elements.push_back(text(prefix + QStringLiteral("Title"), QRectF(kLeft, top, 0, 6),
                                 texts.text(op == 0 ? u"vMultiplyGrid" : u"vDivideGrid"), {12, true}));
    const double header = top + 8;
    page.elements.push_back(text(prefix + QStringLiteral("Corner"), QRectF(kLeft, header, 0, 5), texts.text(u"vTableLbl"),
                                 {9, true}));
    for (int m = 1; m <= kTables; ++m)
        page.elements.push_back(cell(prefix + QStringLiteral("Col%1").arg(m), kCellsLeft + (m - 1) * kCellWidth, header,
                                     QString::number(m), true));
    page.elements.push_back(text(prefix + QStringLiteral("TotalsHeader"), QRectF(kTotalsLeft, header, kTotalsWidth, 5),
                                 texts.text(u"vTotalLbl"), {9, true}, Alignment::Right));
    for (int t = 1; t <= kTables; ++t) {
        const double y = header + t * kRowHeight;
        page.elements.push_back(text(prefix + QStringLiteral("Row%1").arg(t), QRectF(kLeft, y, 12, 5), QString::number(t),
                                     {10, true}, Alignment::Right));
        for (int m = 1; m <= kTables; ++m)
            page.elements.push_back(cell(prefix + QStringLiteral("Cell%1x%2").arg(t).arg(m),
                                         kCellsLeft + (m - 1) * kCellWidth, y,
                                         MasteryLook::symbol(map.cells[op][t - 1][m - 1].mastery)));
        const TableTotals &totals = map.tables[op][t - 1];
        page.elements.push_back(text(prefix + QStringLiteral("Total%1").arg(t), QRectF(kTotalsLeft, y, kTotalsWidth, 5),
                                     QStringLiteral("%1 / %2").arg(totals.right).arg(totals.answers), {10},
                                     Alignment::Right));
    }
}

} // namespace

Report map(const ProgressMap &map, const Captions &texts, const QString &periodName, const QString &dateLabel)
{
    PageLayout page;
    page.name = QStringLiteral("ProgressMap");
    page.titleBlock = {QStringLiteral("TitleBand"), 22};
    page.elements.push_back(text(QStringLiteral("Title"), QRectF(kLeft, 12, 0, 6),
                                 texts.text(u"vProgressCaption") + QStringLiteral(" - ") + periodName, {14, true, true},
                                 Alignment::Left, true));
    page.elements.push_back(text(QStringLiteral("QRDate"), QRectF(120, 12, 50, 5), dateLabel, {10}, Alignment::Right, true));
    LayoutElement date = text(QStringLiteral("QRSysData1"), QRectF(171, 12, 0, 5), QString(), {10}, Alignment::Left, true);
    date.kind = ElementKind::DateField;
    page.elements.push_back(date);
    if (map.answers == 0)
        page.elements.push_back(text(QStringLiteral("NoHistory"), QRectF(kLeft, 30, 0, 5), texts.text(u"vNoHistory")));
    for (int op = 0; op < 2; ++op)
        addGrid(page, map, op, texts);
    QStringList legend;
    for (Mastery m : {Mastery::Mastered, Mastery::Learning, Mastery::NeedsWork, Mastery::NotSeen})
        legend << MasteryLook::symbol(m) + QLatin1Char(' ') + texts.text(MasteryLook::nameKey(m));
    page.elements.push_back(text(QStringLiteral("Legend"), QRectF(kLeft, 272, 0, 5), legend.join(QStringLiteral("     "))));
    return Report(std::move(page));
}

Report weakSheet(const QVector<WeakExercise> &exercises, const Captions &texts, const QString &divisionSign,
                 const QString &dateLabel, const QString &homePage, bool answers)
{
    Report report(WorksheetLayouts::random(homePage));
    const auto columns = WeakFacts::columns(exercises, divisionSign, answers);
    static const QString kColumns[] = {QStringLiteral("QRMemo1"), QStringLiteral("QRMemo2"), QStringLiteral("QRMemo3")};
    for (int c = 0; c < 3; ++c)
        for (const QString &line : columns[size_t(c)])
            report.appendLine(kColumns[c], line);
    report.setText(QStringLiteral("QRRandomTitle"), texts.text(answers ? u"vAnswerKeyTitle" : u"vWeakSheetTitle"));
    report.setText(QStringLiteral("QRRandomComment"),
                   exercises.isEmpty() ? texts.text(u"vNoWeakFacts") : texts.text(u"vWeakSheetComment"));
    report.setText(QStringLiteral("QRDate"), dateLabel);
    return report;
}

} // namespace ProgressReports
