#include "mainblock.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
    // The installed icon, beside the shared data folder.
    const QString icon = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("../../share/icons/hicolor/scalable/apps/quorvel.svg"));
    if (QFileInfo::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
    // Only the quit step ends the program: the start window is hidden while the drill window is
    // open, and closing that last visible window must not end the event loop.
    QApplication::setQuitOnLastWindowClosed(false);

    MainBlock program;
    return program.run();
}
