#include "userinterface.h"

#include "apperror.h"
#include "pathresolve.h"
#include "svgiconengine.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QUrl>

namespace UserInterface {

namespace {
Overrides &overrides()
{
    static Overrides instance;
    return instance;
}
} // namespace

void setOverrides(Overrides o)
{
    overrides() = std::move(o);
}

namespace {
// Sets every label to plain text when it is polished, before it is first shown.
class PlainTextLabels : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto *label = qobject_cast<QLabel *>(watched))
                label->setTextFormat(Qt::PlainText);
        }
        return false;
    }
};
} // namespace

void showLabelsAsPlainText()
{
    static QPointer<PlainTextLabels> filter; // gone with the application object
    if (filter)
        return;
    filter = new PlainTextLabels(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

namespace {
void messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    if (overrides().message) {
        overrides().message(text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    messageBox(parent, QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text);
}

void showError(QWidget *parent, const QString &text)
{
    messageBox(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void runStep(QWidget *parent, const std::function<void()> &step)
{
    try {
        step();
    } catch (const AppError &error) {
        messageBox(parent, QMessageBox::Warning, QGuiApplication::applicationDisplayName(), error.text());
    } catch (const std::exception &error) {
        messageBox(parent, QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                   QString::fromLocal8Bit(error.what()));
    }
}

bool openAddress(const QString &address)
{
    if (overrides().open)
        return overrides().open(address);
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    if (widget->palette().color(role) == color)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void centreOnScreen(QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->screen() : window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString picturePath(const DataFolders &folders, const QString &name)
{
    return resolvePath(folders.shared, QStringLiteral("pictures\\") + name + QStringLiteral(".svg"));
}

QIcon pictureIcon(const DataFolders &folders, const QString &name)
{
    return QIcon(new SvgIconEngine(picturePath(folders, name)));
}

QPixmap picturePixmap(const DataFolders &folders, const QString &name, QSize size)
{
    return pictureIcon(folders, name).pixmap(size);
}

} // namespace UserInterface
