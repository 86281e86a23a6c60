#pragma once

#include "colourtargets.h"

class QColorDialog;
class QWidget;

// The colour chooser on screen: one Qt colour dialog over 'parent', made at its first opening.
class QtColourChooser : public ColourChooser
{
public:
    explicit QtColourChooser(QWidget *parent);

    std::optional<ColorValue> chooseColor(ColorValue initial) override;

private:
    QWidget *m_parent;
    QColorDialog *m_dialog = nullptr;
};
