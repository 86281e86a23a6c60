// The floors of the start-up benchmark: a bare Qt Widgets window of the start window's size that
// shows one line of text, started by the same probe in the same way as the program.
//   bare_window              the label alone: nothing needs a font before the window maps
//   bare_window --menu-bar   the label below a menu bar with the start window's three menus: the
//                            bar's height comes from the font, so the font database is set up
//                            before the window maps, as in any window with a menu bar
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>
#include <memory>

namespace {

constexpr QSize kOuterSize(748, 553); // the start window's outer size: client area and menu bar

QLabel *makeLabel()
{
    auto *label = new QLabel(QStringLiteral("Quorvel"));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(40); // the probe looks for the text's dark strokes in the middle
    font.setBold(true);
    label->setFont(font);
    return label;
}

void addMenus(QMenuBar *bar)
{
    QMenu *files = bar->addMenu(QStringLiteral("Fichier"));
    files->addAction(QStringLiteral("Progrès"));
    files->addSeparator();
    files->addAction(QStringLiteral("Quitter"));
    QMenu *languages = bar->addMenu(QStringLiteral("Langue"));
    for (const char *name : {"Français", "English", "Deutsch", "Español", "Italiano", "Nederlands", "Português"})
        languages->addAction(QString::fromUtf8(name))->setCheckable(true);
    QMenu *help = bar->addMenu(QStringLiteral("Aide"));
    help->addAction(QStringLiteral("Aide"));
    help->addSeparator();
    help->addAction(QStringLiteral("À propos"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window(makeLabel());
    if (argc > 1 && std::strcmp(argv[1], "--menu-bar") == 0) {
        auto framed = std::make_unique<QMainWindow>();
        framed->setCentralWidget(window.release());
        addMenus(framed->menuBar());
        window = std::move(framed);
    }
    window->setWindowTitle(QStringLiteral("Bare window"));
    window->resize(kOuterSize);
    window->show();
    return QApplication::exec();
}
