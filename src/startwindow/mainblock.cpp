#include "mainblock.h"

#include "answerhistory.h"
#include "languagecatalog.h"
#include "progresstexts.h"
#include "tfabout.h"
#include "tfaudio.h"
#include "tfcalculator.h"
#include "tfcolor.h"
#include "tfsound.h"
#include "tfsoundtest.h"
#include "tfprogress.h"
#include "tfstart.h"
#include "tfswap.h"
#include "tmakebackground.h"
#include "tprintdlg.h"
#include "trecorddlg.h"
#include "weblinks.h"
#include "windowcolours.h"
#include "worksheetlayouts.h"

#include "userinterface.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

MainBlock::MainBlock(StartEnvironment environment) : m_sound(m_state, environment.soundDevices())
{
    // Only the quit step ends the program: the start window is hidden while the drill window is
    // open, and closing that last visible window must not end the event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    UserInterface::showLabelsAsPlainText();

    m_start = std::make_unique<TFStart>(m_state, m_sound, std::move(environment));
    m_drill = std::make_unique<TFCalculator>(m_state, m_sound, m_start->windowTitle());
    m_print = std::make_unique<TPrintDlg>(m_state, m_start.get());
    m_record = std::make_unique<TRecordDlg>(m_state, m_drill->session(), m_drill.get());
    m_afterRecord = std::make_unique<TAfterRecordDlg>(m_state, m_drill->session(), m_drill.get());
    m_swap = std::make_unique<TFSwap>(m_state);
    m_soundOptions = std::make_unique<TFSound>(m_state, m_sound);
    m_soundEditor = std::make_unique<TFAudio>(m_state, m_sound);
    m_windowColours = std::make_unique<WindowColours>(*m_drill, *m_start->gradient());
    m_colours = std::make_unique<TFColor>(m_state, *m_windowColours, m_drill.get());
    const auto layout = [](PageLayout (*make)(const QString &)) {
        return std::function<PageLayout()>([make] { return make(WebLinks::kHomePage); });
    };
    m_printAllWith = std::make_unique<Report>(layout(WorksheetLayouts::tablesWithAnswers));
    m_printAllWithout = std::make_unique<Report>(layout(WorksheetLayouts::tablesWithoutAnswers));
    m_printRandom = std::make_unique<Report>(layout(WorksheetLayouts::random));
    m_background = std::make_unique<TMakeBackGround>(m_state, *m_windowColours, m_colours.get());
    m_about = std::make_unique<TFAbout>(m_state.folders, m_start.get());
    m_printGrid = std::make_unique<Report>(layout(WorksheetLayouts::grid));
    m_soundTest = std::make_unique<TFSoundTest>();

    // Beyond the fixed create order: the answer history and the progress map.
    m_history = std::make_unique<AnswerHistory>(m_state);
    m_history->setMessageParent(m_drill.get()); // opened at the first drill or progress map
    m_drill->session().setAnswerLog(&m_history->log());
    // The progress map is made at its first opening; until then only its menu item's text is read.
    const auto progressCaptions = [this] {
        if (m_progress)
            m_progress->LoadCaptions();
        const Captions texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), ProgressTexts::section);
        m_start->progressItem()->setText(texts.text(u"vProgressMenuItem"));
    };
    progressCaptions();

    m_soundOptions->setEditor([this] { m_soundEditor->exec(); });
    m_sound.setLinks({
        .message = [this](const QString &text) { UserInterface::showMessage(QApplication::activeWindow(), text); },
        .setSoundButtonOn = [this](bool on) { m_drill->setSoundButtonOn(on); },
        .disableSoundButton = [this] { m_drill->setSoundButtonEnabled(false); },
        .repaintStartWindow = [this] { m_start->repaint(); },
        .processEvents = [] { QCoreApplication::processEvents(); },
        .testWindow = m_soundTest.get(),
    });

    m_drill->setRecordingDialogs(m_record.get(), m_afterRecord.get());
    m_drill->setLinks({
        .openExpertOptions = [this] { m_swap->exec(); },
        .openSoundOptions = [this] { m_soundOptions->exec(); },
        .openScreenColours = [this] { m_colours->exec(); },
        .openProgress = [this] { progressWindow().showModal(); },
    });
    m_colours->setBackgroundDialog(m_background.get());
    m_print->setLinks({
        .drillOperationIndex = [this] { return m_drill->operationIndex(); },
        .smallestMultiplier = [this] { return m_swap->smallestMultiplier(); },
        .reports = {m_printRandom.get(), m_printAllWithout.get(), m_printAllWith.get(), m_printGrid.get()},
        .output = nullptr,
    });

    TFStart::Links links;
    links.drillWindow = m_drill.get();
    links.expertOptions = m_swap.get();
    links.about = m_about.get();
    links.openPrintDialog = [this] { m_print->showModal(); };
    links.openProgress = [this] { progressWindow().showModal(); };
    links.drillStarting = [this] { m_history->open(); };
    // After the start window's own texts, in this order.
    links.reloadCaptions = {
        [this] { m_drill->LoadCaptions(); },
        [this] { m_swap->LoadCaptions(); },
        [this] { m_soundOptions->LoadCaptions(); },
        [this] { m_soundEditor->LoadCaptions(); },
        [this] { m_afterRecord->LoadCaptions(); },
        [this] { m_record->LoadCaptions(); },
        [this] { m_print->LoadCaptions(); },
        [this] { m_colours->LoadCaptions(); },
        [this] { m_background->LoadCaptions(); },
        progressCaptions,
    };
    m_start->setLinks(std::move(links));
}

MainBlock::~MainBlock() = default;

TFProgress &MainBlock::progressWindow()
{
    if (!m_progress) {
        m_history->open();
        m_progress = std::make_unique<TFProgress>(m_state, m_history->store(), WebLinks::kHomePage, m_start.get());
        m_progress->LoadCaptions();
    }
    return *m_progress;
}

namespace {

// Lets the window system expose a window that was just shown, which paints it, before the program
// goes on. Input waits meanwhile, so no step of the user's can come in between.
void waitUntilExposed(QWidget *widget)
{
    QWindow *window = widget->windowHandle();
    if (!window || window->isExposed())
        return;
    QEventLoop loop;
    struct ExposeWatch : QObject
    {
        QEventLoop &loop;
        explicit ExposeWatch(QEventLoop &loop) : loop(loop) {}
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
                loop.quit();
            return false;
        }
    } watch(loop);
    window->installEventFilter(&watch);
    QTimer::singleShot(500, &loop, &QEventLoop::quit); // a window system that never exposes it
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    window->removeEventFilter(&watch);
}

} // namespace

void MainBlock::showStartWindow(const std::function<void()> &onScreen)
{
    m_start->show();
    // The activate step runs once the window is on screen, as it does when a window becomes the
    // active one: a message box it shows then opens over a window already drawn.
    waitUntilExposed(m_start.get());
    if (onScreen)
        onScreen();
    m_start->FormActivate();
}

int MainBlock::run(const std::function<void()> &onScreen)
{
    showStartWindow(onScreen);
    return QApplication::exec();
}
