#pragma once

#include "pagelayout.h"

// One worksheet: its page layout with the texts of its slots and the lines of its columns.
// Created once at program start; the print step fills it before each output.
class Report
{
public:
    explicit Report(PageLayout layout) : m_layout(std::move(layout)) {}

    const PageLayout &layout() const { return m_layout; }

    // Naming an element the page does not have is a programming error; it changes nothing.
    void setText(const QString &element, const QString &text);
    QString text(const QString &element) const;
    void appendLine(const QString &column, const QString &line);
    void clearColumn(const QString &column);
    QStringList lines(const QString &column) const;

private:
    LayoutElement *element(const QString &name, ElementKind kind);

    PageLayout m_layout;
};
