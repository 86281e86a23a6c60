#include "report.h"

LayoutElement *PageLayout::find(const QString &elementName)
{
    for (LayoutElement &element : elements) {
        if (element.name == elementName)
            return &element;
    }
    return nullptr;
}

const LayoutElement *PageLayout::find(const QString &elementName) const
{
    return const_cast<PageLayout *>(this)->find(elementName);
}

const PageLayout &Report::layout() const
{
    return made();
}

PageLayout &Report::made() const
{
    if (!m_layout)
        m_layout = m_makeLayout();
    return *m_layout;
}

LayoutElement *Report::element(const QString &name, ElementKind kind)
{
    LayoutElement *found = made().find(name);
    Q_ASSERT_X(found && found->kind == kind, "Report", "no such element on this page");
    return found && found->kind == kind ? found : nullptr;
}

void Report::setText(const QString &name, const QString &text)
{
    if (LayoutElement *box = element(name, ElementKind::TextBox))
        box->text = text;
}

QString Report::text(const QString &name) const
{
    const LayoutElement *found = layout().find(name);
    return found ? found->text : QString();
}

void Report::appendLine(const QString &column, const QString &line)
{
    if (LayoutElement *box = element(column, ElementKind::Column))
        box->lines.append(line);
}

void Report::clearColumn(const QString &column)
{
    if (LayoutElement *box = element(column, ElementKind::Column))
        box->lines.clear();
}

QStringList Report::lines(const QString &column) const
{
    const LayoutElement *found = layout().find(column);
    return found ? found->lines : QStringList();
}
