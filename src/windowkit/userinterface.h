#pragma once

#include "datafolders.h"

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>


// Small things every window shares: running a step with its errors shown, message boxes and the
// desktop's "open" action (both replaceable by tests), fonts at design pixel sizes, and pictures.
namespace UserInterface {

// Runs one step of a window. An error that the step does not handle ends the step there and is
// shown in a message box with its text; the program goes on.
void runStep(QWidget *parent, const std::function<void()> &step);

// From here on every label of the program shows its text as it stands, never as HTML: language
// files and file names are input, and "<b>x</b>" in them is shown as those eight characters.
void showLabelsAsPlainText();

// A plain message box with an OK button.
void showMessage(QWidget *parent, const QString &text);
// A message box with the error icon, the title "Error" and an OK button.
void showError(QWidget *parent, const QString &text);
// Asks the desktop to open a web or mail address; false when it reports a failure.
bool openAddress(const QString &address);

// Tests see and answer message boxes and address opening here instead of on screen.
struct Overrides
{
    std::function<void(const QString &text)> message;
    std::function<bool(const QString &address)> open;
};
void setOverrides(Overrides overrides);

// Sets one colour of a widget's palette (children without their own colour follow it).
void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color);

// A child widget with its name and its place in the parent, as the layouts give them.
template <typename W>
W *make(QWidget *parent, const char *name, QRect geometry)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

// Moves a window that is about to be shown to the middle of its screen (a dialog would otherwise
// open over the middle of its parent).
void centreOnScreen(QWidget *window);

// A font of the given family at a pixel size, as the layouts are drawn at 96 dpi.
QFont pixelFont(const QString &family, int pixels, bool bold = false);

// The installed picture pictures/<name>.svg of the shared data folder.
QString picturePath(const DataFolders &folders, const QString &name);
QIcon pictureIcon(const DataFolders &folders, const QString &name);
QPixmap picturePixmap(const DataFolders &folders, const QString &name, QSize size);

} // namespace UserInterface
