#include "commandline.h"
#include "fileversion.h"
#include "mainblock.h"
#include "weblinks.h"
#include "worksheetcommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>

namespace {

// Options given: no window at all. The offscreen platform gives the fonts a PDF needs without a display.
int runCommandLine(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quorvel"));
    QGuiApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const CommandLine line = CommandLine::parse(QCoreApplication::arguments());
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
        out << line.helpText;
        return 0;
    case CommandLine::Action::ShowVersion:
        out << versionLine(ReadVersionInfo()) << '\n';
        return 0;
    case CommandLine::Action::Error:
        errors << "quorvel: " << line.error << '\n'
               << CommandLine::usage() << "\nTry 'quorvel --help' for the options.\n";
        return 2;
    case CommandLine::Action::MakeWorksheet:
        return makeWorksheet(line.worksheet, DataFolders::forRunningProgram(), WebLinks::kHomePage, errors);
    case CommandLine::Action::RunProgram:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        return runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    // The desktop entry's name without ".desktop", so desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    MainBlock program;
    // The installed icon, beside the shared data folder. Drawing it for the window system takes
    // longer than drawing the start window, so it is given once that window is on screen.
    return program.run([] {
        const QString icon = QDir(QCoreApplication::applicationDirPath())
                                 .filePath(QStringLiteral("../../share/icons/hicolor/scalable/apps/quorvel.svg"));
        if (QFileInfo::exists(icon))
            QApplication::setWindowIcon(QIcon(icon));
    });
}
