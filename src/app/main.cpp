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
    MainBlock program;
    return program.run();
}
