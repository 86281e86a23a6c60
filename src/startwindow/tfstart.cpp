#include "tfstart.h"

#include "tfstart_controls.h"

#include "gradient.h"
#include "helpviewer.h"
#include "inifile.h"
#include "linklabel.h"
#include "pathresolve.h"
#include "settingsstore.h"
#include "soundservice.h"
#include "tablechoice.h"
#include "tfabout.h"
#include "tfcalculator.h"
#include "tfswap.h"
#include "userfiles.h"
#include "userinterface.h"
#include "weblinks.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

TFStart::TFStart(ProgramState &state, SoundService &sound, StartEnvironment environment)
    : m_state(state), m_sound(sound), m_env(std::move(environment)), m_ui(std::make_unique<Controls>(this)),
      m_texts(Captions::designTime(CaptionSections::FStart))
{
    setWindowTitle(QStringLiteral("Quorvel"));
    applyCaptions();
    connectControls();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    step([this] { FormCreate(); });
}

TFStart::~TFStart() = default;

void TFStart::setLinks(Links links)
{
    m_links = std::move(links);
}

TGradient *TFStart::gradient() const
{
    return m_ui->Gradient1;
}

QAction *TFStart::progressItem() const
{
    return m_ui->Progress1;
}

void TFStart::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFStart::connectControls()
{
    Controls &ui = *m_ui;
    for (QCheckBox *box : ui.CheckBox)
        connect(box, &QCheckBox::toggled, this, [this] { step([this] { CheckBoxClick(); }); });
    connect(ui.BitBtn3, &QPushButton::clicked, this, [this] { step([this] { GlobalCheck(); }); });
    connect(ui.BitBtn4, &QPushButton::clicked, this, [this] { step([this] { BitBtn4Click(); }); });
    connect(ui.BitBtn2, &QPushButton::clicked, this, [this] { step([this] { BitBtn2Click(); }); });
    connect(ui.BitBtn5, &QPushButton::clicked, this, [this] {
        step([this] {
            if (m_links.openPrintDialog)
                m_links.openPrintDialog();
        });
    });
    connect(ui.BitBtn9, &QPushButton::clicked, this, [this] { step([this] { m_links.expertOptions->exec(); }); });
    connect(ui.BitBtn1, &QPushButton::clicked, this, [this] { QuitClick(); });
    connect(ui.Quit, &QAction::triggered, this, [this] { QuitClick(); });
    connect(ui.Progress1, &QAction::triggered, this, [this] {
        step([this] {
            if (m_links.openProgress)
                m_links.openProgress();
        });
    });
    for (size_t i = 0; i < ui.languageItems.size(); ++i)
        connect(ui.languageItems[i], &QAction::triggered, this, [this, i] { step([this, i] { languageItemClick(int(i)); }); });
    connect(ui.Help1, &QAction::triggered, this, [this] { step([this] { Help1Click(); }); });
    connect(ui.About1, &QAction::triggered, this, [this] { step([this] { m_links.about->exec(); }); });
    connect(ui.Label3, &LinkLabel::clicked, this, [this] { step([this] { Label3Click(); }); });
}

// ---- Start-up ----

void TFStart::FormCreate()
{
    m_sound.setWelcomeSoundPending(true);

    m_state.folders = m_env.folders();
    m_ui->setPictures(m_state.folders); // installed with the shared data
    CopyUserFiles(m_state.folders);
    writeDefaultOperationLists(m_state.folders);

    const QString stored = SettingsStore::readLanguage(IniFile(settingsPath()));
    m_state.settings.Language = LanguageCatalog::startupLanguage(stored, stored.isEmpty() && m_env.systemIsFrench());
    enableLanguageItems();
    LoadCaptions();
    tickLanguageItem(LanguageCatalog::menuIndexOf(m_state.settings.Language));

    setWindowTitle(QStringLiteral("Quorvel"));
    SetConfig();
    restoreTables();
    m_state.random.seedFromClock();
}

void TFStart::SetConfig()
{
    m_LBTmp = TableChoice::readChoiceFile(choicePath());
    m_choicesRead = true;
    GradientProperties background;
    SettingsStore::load(IniFile(settingsPath()), m_state.settings, background);
    m_ui->Gradient1->setProperties(background); // colours, double, flipped, then orientation
    m_settingsLoaded = true;
}

void TFStart::restoreTables()
{
    for (size_t i = 0; i < m_LBTmp.ticked.size(); ++i) {
        if (m_LBTmp.ticked[i])
            m_ui->CheckBox[i]->setChecked(true);
    }
    if (m_LBTmp.stop)
        throw *m_LBTmp.stop;
}

void TFStart::enableLanguageItems()
{
    const std::array<bool, 7> available = LanguageCatalog::availableLanguages(m_state.folders);
    for (size_t i = 0; i < available.size(); ++i)
        m_ui->languageItems[i]->setEnabled(available[i]);
}

void TFStart::tickLanguageItem(int index)
{
    for (size_t i = 0; i < m_ui->languageItems.size(); ++i)
        m_ui->languageItems[i]->setChecked(int(i) == index);
}

void TFStart::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window restored from the task bar is shown by the system; that is no show step.
    if (!event->spontaneous())
        step([this] { FormShow(); });
}

void TFStart::FormShow()
{
    if (TFCalculator *drill = m_links.drillWindow) {
        const GradientProperties background = m_ui->Gradient1->properties();
        drill->gradient()->setProperties(background);
        drill->setTopBarColor(background.flipped ? background.endColor : background.startColor);
    }
    m_ui->BitBtn1->setFocus();
    m_sound.PlayWelcomeSound();
}

void TFStart::FormActivate()
{
    step([this] {
        TFSwap *expert = m_links.expertOptions;
        expert->setSmallestMultiplier(m_state.settings.Range);
        if (m_state.settings.Bouton != 0) {
            m_sound.TestAudio();
            // Only while the welcome sound has not played; the flag stays set afterwards.
            if (m_sound.welcomeSoundPending())
                m_sound.TestSoundFiles();
        }
        expert->BitBtn1Click(); // builds LBRange; the dialog is not open, so it closes nothing
        CanGo();
    });
}

// ---- Tables ----

void TFStart::CheckBoxClick()
{
    CanGo();
}

void TFStart::CanGo()
{
    TableChoice::Ticks ticked;
    for (size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = m_ui->CheckBox[i]->isChecked();
    m_state.LBChoice = TableChoice::fromTicks(ticked);
    const bool any = TableChoice::canGo(m_state.LBChoice);
    m_ui->BitBtn2->setEnabled(any);
    m_ui->BitBtn5->setEnabled(any);
}

void TFStart::GlobalCheck()
{
    for (QCheckBox *box : m_ui->CheckBox)
        box->setChecked(true);
    CanGo();
}

void TFStart::BitBtn4Click()
{
    for (QCheckBox *box : m_ui->CheckBox)
        box->setChecked(!box->isChecked());
    CanGo();
}

void TFStart::keyPressEvent(QKeyEvent *event)
{
    // Enter that no focused button took belongs to the default button, Start.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_ui->BitBtn2->isEnabled())
            m_ui->BitBtn2->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- Start and quit ----

void TFStart::BitBtn2Click()
{
    if (m_state.settings.Bouton != 0 && !m_sound.playStartSound())
        UserInterface::showMessage(this, QStringLiteral("Sound problem..."));
    TFCalculator *drill = m_links.drillWindow;
    drill->setWindowState(windowState() & ~Qt::WindowActive);
    hide();
    if (m_links.drillStarting)
        m_links.drillStarting();
    drill->exec();
    // The drill window hands its window state back as it closes.
    setWindowState(drill->windowState() & ~Qt::WindowActive);
    show();
}

bool TFStart::QuitClick()
{
    step([this] { BitBtn1Click(); });
    return m_ending;
}

void TFStart::BitBtn1Click()
{
    m_ui->showSpeaker(m_state.settings.Bouton > 0);
    repaint();
    saveSettings();
    if (m_state.settings.Bouton != 0)
        m_sound.playQuitSound(); // the program ends whether or not the sound played
    m_ending = true;
    m_env.endProgram();
}

void TFStart::saveSettings()
{
    const GradientProperties background = m_ui->Gradient1->properties();
    // When the create step stopped before reading the choice file, this run never showed the
    // user's tables: an existing file keeps them rather than this run's (usually empty) choice.
    if (m_choicesRead || !QFileInfo::exists(choicePath()))
        SettingsStore::writeChoiceFile(choicePath(), m_state.LBChoice);
    // When the create step stopped before reading the settings file, this run holds no settings
    // of the user's: writing them would replace the file's values with zeros.
    if (!m_settingsLoaded)
        return;
    const int smallest = TableChoice::smallestMultiplier(m_state.LBRange, m_state.settings.Range);
    IniFile ini(settingsPath());
    SettingsStore::save(ini, m_state.settings, smallest, m_links.drillWindow->operationIndex(), background);
}

void TFStart::closeEvent(QCloseEvent *event)
{
    // The close box quits like the Quit button; a failed save keeps the window open.
    event->setAccepted(m_ending || QuitClick());
}

// ---- Language ----

void TFStart::languageItemClick(int index)
{
    m_state.settings.Language = QString::fromLatin1(LanguageCatalog::languages()[size_t(index)].code);
    tickLanguageItem(index);
    UpdateLanguage();
}

void TFStart::UpdateLanguage()
{
    LoadCaptions();
    for (const auto &reload : m_links.reloadCaptions)
        reload();
}

void TFStart::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FStart);
    applyCaptions();
}

void TFStart::applyCaptions()
{
    static constexpr const char16_t *kTableKeys[] = {u"vOne", u"vTwo",   u"vThree", u"vFour",   u"vFive",   u"vSix",
                                                     u"vSeven", u"vEight", u"vNine", u"vTen", u"vEleven", u"vTwelve"};
    Controls &ui = *m_ui;
    for (size_t i = 0; i < ui.CheckBox.size(); ++i)
        ui.CheckBox[i]->setText(m_texts.text(kTableKeys[i]));
    ui.BitBtn3->setText(m_texts.text(u"vSelectAllBtn"));
    ui.BitBtn4->setText(m_texts.text(u"vInverseSelBtn"));
    ui.BitBtn9->setText(m_texts.text(u"vExpertBtn"));
    ui.BitBtn2->setText(m_texts.text(u"vStartWorkBtn"));
    ui.BitBtn5->setText(m_texts.text(u"vPrintCalcBtn"));
    ui.BitBtn1->setText(m_texts.text(u"vQuitBtn"));
    ui.Label1->setText(m_texts.text(u"vComment"));
    ui.GroupBox1->setTitle(QLatin1Char(' ') + m_texts.text(u"vCaptionGroupBox") + QLatin1Char(' '));
    ui.Files->setTitle(m_texts.text(u"vMenuFilesCaption"));
    ui.Quit->setText(m_texts.text(u"vMenuQuitCaption"));
    ui.Lang->setTitle(m_texts.text(u"vMenuLangCaption"));
    ui.Help->setTitle(m_texts.text(u"vMenuAboutCaption"));
    ui.Help1->setText(m_texts.text(u"vMenuAboutIndexcaption"));
    ui.About1->setText(m_texts.text(u"vMenuAbout1Caption"));
}

// ---- Help panel, web link, size ----

void TFStart::Help1Click()
{
    Controls &ui = *m_ui;
    if (!ui.Panel4) {
        ui.buildHelpPanel();
        connect(ui.BitBtn6, &QPushButton::clicked, this, [this] { m_ui->Panel4->hide(); });
    }
    if (const TFCalculator *drill = m_links.drillWindow) {
        ui.BitBtn6->setText(drill->helpCloseText());
        ui.Label5->setText(drill->helpTitleText());
    }
    ui.htmlLite1->loadDocument(LanguageCatalog::helpDocument(m_state.folders, m_state.settings.Language));
    ui.placeInMiddle();
    ui.Panel4->show();
    ui.htmlLite1->setFocus();
}

void TFStart::Label3Click()
{
    if (!UserInterface::openAddress(WebLinks::kHomePage))
        UserInterface::showError(this, QStringLiteral("Web Browser Error!"));
}

void TFStart::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFStart::FormResize()
{
    m_ui->placeInMiddle();
}

QString TFStart::settingsPath() const
{
    return resolvePath(m_state.folders.user, SettingsStore::kSettingsFile);
}

QString TFStart::choicePath() const
{
    return resolvePath(m_state.folders.user, SettingsStore::kChoiceFile);
}
