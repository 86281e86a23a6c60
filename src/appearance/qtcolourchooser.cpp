#include "qtcolourchooser.h"

#include <QColorDialog>

QtColourChooser::QtColourChooser(QWidget *parent) : m_parent(parent)
{
}

std::optional<ColorValue> QtColourChooser::chooseColor(ColorValue initial)
{
    if (!m_dialog) {
        m_dialog = new QColorDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("ColorDialog"));
    }
    m_dialog->setCurrentColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)));
    if (m_dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = m_dialog->selectedColor();
    return colorValue(chosen.red(), chosen.green(), chosen.blue());
}
