#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

// A worksheet page as data. Every length is in millimetres from the paper's top-left corner.

struct FontStyle
{
    double points = 10;
    bool bold = false;
    bool underline = false;
};

enum class ElementKind {
    TextBox,   // one line of text
    Column,    // lines one under the other, each right-aligned in the box
    DateField, // the day's date, filled when the page is built
    Picture,   // the multiplication grid, drawn as rules and text
};

enum class Alignment { Left, Right };

struct LayoutElement
{
    QString name;
    ElementKind kind = ElementKind::TextBox;
    QRectF box;                // a width of 0 means fitted: the box is as wide as its text
    FontStyle font;
    Alignment alignment = Alignment::Left;
    bool inTitleBlock = false; // printed with the title block at the top of the page
    QString text;              // fixed content, or the slot's current text
    QStringList lines;         // a column's lines

    bool fitted() const { return box.width() <= 0; }
};

// The title block starts at the top and left margins and spans the printable width.
struct TitleBlock
{
    QString name;
    double height = 0;
};

struct PageLayout
{
    static constexpr const char *kFontFamily = "Arial";

    QString name;
    QSizeF paper{210, 297}; // A4 portrait
    double margin = 10;     // on all four sides
    TitleBlock titleBlock;
    std::vector<LayoutElement> elements;

    LayoutElement *find(const QString &elementName);
    const LayoutElement *find(const QString &elementName) const;
};
