#pragma once

#include "pagelayout.h"

#include <functional>
#include <optional>

// One worksheet: its page layout with the texts of its slots and the lines of its columns.
// Created once at program start; the print step fills it before each output.
class Report
{
public:
    explicit Report(PageLayout layout) : m_layout(std::move(layout)) {}
    // The layout is made at its first use, so a report that is never printed costs nothing.
    explicit Report(std::function<PageLayout()> makeLayout) : m_makeLayout(std::move(makeLayout)) {}

    const PageLayout &layout() const;

    // Naming an element the page does not have is a programming error; it changes nothing.
    void setText(const QString &element, const QString &text);
    QString text(const QString &element) const;
    void appendLine(const QString &column, const QString &line);
    void clearColumn(const QString &column);
    QStringList lines(const QString &column) const;

private:
    LayoutElement *element(const QString &name, ElementKind kind);
    PageLayout &made() const;

    std::function<PageLayout()> m_makeLayout;
    mutable std::optional<PageLayout> m_layout;
};
