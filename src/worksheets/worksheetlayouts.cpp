#include "worksheetlayouts.h"

namespace WorksheetLayouts {

namespace {

constexpr double kFitted = 0;

LayoutElement textBox(const char *name, double left, double top, double width, double height, FontStyle font,
                      Alignment alignment = Alignment::Left, bool inTitleBlock = false, QString text = {})
{
    LayoutElement element;
    element.name = QString::fromLatin1(name);
    element.kind = ElementKind::TextBox;
    element.box = QRectF(left, top, width, height);
    element.font = font;
    element.alignment = alignment;
    element.inTitleBlock = inTitleBlock;
    element.text = std::move(text);
    return element;
}

LayoutElement titleText(const char *name, double left, double top, double width, double height, FontStyle font,
                        Alignment alignment = Alignment::Left)
{
    return textBox(name, left, top, width, height, font, alignment, true);
}

LayoutElement dateField(double left, double top, double height, bool inTitleBlock)
{
    LayoutElement element = textBox("QRSysData1", left, top, kFitted, height, {10}, Alignment::Left, inTitleBlock);
    element.kind = ElementKind::DateField;
    return element;
}

LayoutElement column(const char *name, double left)
{
    LayoutElement element = textBox(name, left, 34.92, 35.72, 227.54, {11}, Alignment::Right);
    element.kind = ElementKind::Column;
    return element;
}

// Left edge and tops of rows 1 and 12, per table, on the sheet with answers and the one without.
struct BlockPlaces
{
    TableBlock with;
    TableBlock without;
};
constexpr BlockPlaces kBlocks[12] = {
    {{19.84, 29.10, 95.25}, {20.37, 29.63, 95.78}},     {{71.44, 29.10, 95.25}, {70.91, 29.63, 95.78}},
    {{119.06, 29.10, 95.25}, {119.59, 29.63, 95.78}},   {{169.33, 29.10, 95.25}, {169.86, 29.63, 95.78}},
    {{19.84, 108.48, 174.62}, {20.37, 109.01, 175.15}}, {{71.44, 108.48, 174.62}, {70.91, 109.01, 175.15}},
    {{120.39, 108.48, 175.95}, {120.39, 109.01, 175.95}}, {{170.66, 108.48, 175.95}, {170.66, 109.01, 175.95}},
    {{19.84, 187.85, 256.65}, {20.37, 188.38, 256.12}}, {{70.11, 187.85, 256.65}, {70.11, 188.38, 256.12}},
    {{120.39, 187.85, 256.65}, {120.39, 188.38, 256.12}}, {{170.66, 187.85, 256.65}, {170.66, 188.38, 256.12}},
};

void addOperationTexts(PageLayout &page, bool withAnswers)
{
    for (int table = 1; table <= 12; ++table) {
        const TableBlock block = tableBlock(table, withAnswers);
        const double pitch = (block.lastTop - block.firstTop) / 11;
        for (int multiplier = 1; multiplier <= 12; ++multiplier) {
            QString text = QStringLiteral("%1 x %2 =").arg(multiplier).arg(table);
            if (withAnswers)
                text += QLatin1Char(' ') + QString::number(multiplier * table);
            const double top = block.firstTop + pitch * (multiplier - 1);
            LayoutElement element = textBox("", block.left, top, kFitted, 5.29, {11, true}, Alignment::Left, false,
                                            std::move(text));
            element.name = operationTextName(table, multiplier);
            page.elements.push_back(std::move(element));
        }
    }
}

} // namespace

QString operationTextName(int table, int multiplier)
{
    return QStringLiteral("Table%1Times%2").arg(table).arg(multiplier);
}

TableBlock tableBlock(int table, bool withAnswers)
{
    const BlockPlaces &places = kBlocks[qBound(1, table, 12) - 1];
    return withAnswers ? places.with : places.without;
}

PageLayout random(const QString &homePage)
{
    PageLayout page;
    page.name = QStringLiteral("TRPrintRandom");
    page.titleBlock = {QStringLiteral("TitleBand1"), 19.84};
    page.elements = {
        titleText("QRRandomTitle", 16.35, 17.41, kFitted, 5.29, {12, true, true}),
        titleText("QRRandomComment", 16.35, 23.76, kFitted, 4.50, {10}),
        titleText("QROptions", 156.05, 13.18, kFitted, 4.50, {9, true, true}),
        titleText("QROptionCrossed", 156.05, 17.41, kFitted, 4.50, {9}),
        titleText("QROptionMultiplier", 156.05, 21.38, kFitted, 4.50, {9}),
        titleText("QRLabel2", 156.05, 25.08, kFitted, 4.76, {9}),
        column("QRMemo1", 16.93),
        column("QRMemo2", 82.55),
        column("QRMemo3", 152.40),
        textBox("QRLabel1", 27.52, 261.67, kFitted, 4.50, {10}, Alignment::Left, false, homePage),
        textBox("QRDate", 133.35, 262.47, 45.24, 4.50, {10}, Alignment::Right),
        dateField(179.39, 262.47, 4.50, false),
    };
    return page;
}

PageLayout tablesWithAnswers(const QString &homePage)
{
    PageLayout page;
    page.name = QStringLiteral("TRPrintAllWith");
    page.titleBlock = {QStringLiteral("QRBand1"), 13.23};
    page.elements = {
        titleText("QROtherTitle", 20.58, 13.97, kFitted, 6.61, {16, true, true}),
        titleText("QRDate", 124.30, 12.12, 50.80, 5.29, {10}, Alignment::Right),
        dateField(176.16, 12.12, 5.29, true),
        textBox("QRLabel1", 132.50, 18.47, kFitted, 4.50, {10}, Alignment::Left, true, homePage),
    };
    addOperationTexts(page, true);
    return page;
}

PageLayout tablesWithoutAnswers(const QString &homePage)
{
    PageLayout page;
    page.name = QStringLiteral("TRPrintAllWithout");
    page.titleBlock = {QStringLiteral("QRBand1"), 15.61};
    page.elements = {
        titleText("QROtherTitle", 20.58, 12.38, kFitted, 6.61, {16, true, true}),
        titleText("QRComment", 20.58, 19.00, kFitted, 4.50, {10}),
        titleText("QRDate", 131.71, 12.91, 43.39, 4.50, {10}, Alignment::Right),
        dateField(175.89, 12.91, 4.50, true),
        textBox("QRLabel1", 131.71, 18.47, kFitted, 4.50, {10}, Alignment::Left, true, homePage),
    };
    addOperationTexts(page, false);
    return page;
}

PageLayout grid(const QString &homePage)
{
    PageLayout page;
    page.name = QStringLiteral("TRPrintGrid");
    page.titleBlock = {QStringLiteral("QRBand1"), 19.84};
    LayoutElement picture = textBox("QRImage1", 23.28, 46.57, 157.69, 131.23, {});
    picture.kind = ElementKind::Picture;
    page.elements = {
        titleText("QRGridCaption", 20.58, 18.47, kFitted, 6.09, {14, true, true}),
        titleText("QRDate", 128.53, 20.32, kFitted, 4.50, {10}),
        dateField(168.22, 20.58, 4.50, true),
        std::move(picture),
        textBox("QRLabel1", 98.42, 182.56, kFitted, 4.50, {10}, Alignment::Left, false,
                QStringLiteral("Free to download at ") + homePage),
    };
    return page;
}

} // namespace WorksheetLayouts
