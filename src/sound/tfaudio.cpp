#include "tfaudio.h"

#include "apperror.h"
#include "soundfiles.h"
#include "soundservice.h"
#include "userinterface.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

constexpr int kTitleLength = 10;

const QColor kMaroon(0x80, 0x00, 0x00);

} // namespace

TFAudio::TFAudio(ProgramState &state, SoundService &sound, QWidget *parent)
    : LazyDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_context(sound.context()), m_options(sound.options()), m_texts(Captions::designTime(CaptionSections::FAudio))
{
    setObjectName(QStringLiteral("FAudio"));
    setFixedSize(kNarrowWidth, kClientHeight);
    move(323, 320);
    setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 13));
    m_confirm = [this](const QString &question) {
        return QMessageBox::question(this, QStringLiteral("Confirm"), question, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    };
    // The controls wait for the first opening; until then only the steps' data exists.
    step([this] { FormCreate(); });
}

void TFAudio::buildControls()
{
    buildMainArea();
    buildBrowser();
    applyCaptions();
}

TFAudio::~TFAudio()
{
    m_context.MP2().close(); // the destroy step
}

void TFAudio::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFAudio::buildMainArea()
{
    Label8 = new QLabel(this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(8, 10, 190, 20);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(200, 8, 89, 22);
    Edit1->setMaxLength(kTitleLength);
    Edit1->installEventFilter(this);
    Label8->setBuddy(Edit1);
    Label9 = new QLabel(this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(294, 10, 120, 20);
    Label9->setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 11));
    UserInterface::setColor(Label9, QPalette::WindowText, kMaroon);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(5, 40, 409, 126);
    RadioGroup1->setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 12));
    auto *grid = new QGridLayout(RadioGroup1);
    grid->setContentsMargins(8, 4, 4, 4);
    grid->setVerticalSpacing(0);
    m_events = new QButtonGroup(this);
    for (int i = 0; i < int(m_eventItems.size()); ++i) {
        auto *item = new QRadioButton(RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        grid->addWidget(item, i % 4, i / 4); // two columns, filled top to bottom
        m_events->addButton(item, i);
        m_eventItems[size_t(i)] = item;
    }

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 176, 400, 18);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(16, 196, 386, 33);
    Label3->setWordWrap(true);
    Label3->setAutoFillBackground(true);
    Label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    UserInterface::setColor(Label3, QPalette::Window, Qt::white);
    UserInterface::setColor(Label3, QPalette::WindowText, kMaroon);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto playerButton = [this](const char *name, QStyle::StandardPixmap picture, const char *accessible, QRect geometry) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(style()->standardIcon(picture));
        b->setAccessibleName(QString::fromLatin1(accessible));
        b->setToolTip(QString::fromLatin1(accessible));
        b->setGeometry(geometry);
        return b;
    };
    MP3Play = playerButton("MP3Play", QStyle::SP_MediaPlay, "Play", {16, 238, 40, 28});
    MP3Stop = playerButton("MP3Stop", QStyle::SP_MediaStop, "Stop", {58, 238, 40, 28});
    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(110, 238, 200, 28);
    BitBtn2 = new QPushButton(QCoreApplication::translate("QPlatformTheme", "OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(334, 398, 75, 29);
    BitBtn2->setDefault(true);
    BitBtn2->setAutoDefault(true);

    connect(m_events, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            step([this] { RadioGroup1Click(); });
    });
    connect(MP3Play, &QPushButton::clicked, this, [this] { step([this] { MP3Click(true); }); });
    connect(MP3Stop, &QPushButton::clicked, this, [this] { step([this] { MP3Click(false); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { step([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { step([this] { BitBtn2Click(); }); });
}

void TFAudio::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FAudio);
}

void TFAudio::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vFAudioCaption"));
    Label8->setText(m_texts.text(u"vSeqTitleLbl"));
    Label9->setText(m_texts.text(u"vMaxCharLbl"));
    RadioGroup1->setTitle(m_texts.text(u"vRadioGroupCaption"));
    Label2->setText(m_texts.text(u"vAssocLbl"));
    BitBtn1->setText(m_texts.text(u"vAssocOtherBtn"));
    Label7->setText(m_texts.text(u"vSoundFilesLbl"));
    BitBtn4->setText(m_texts.text(u"vAssociateCaptionBtn"));
    BitBtn3->setText(m_texts.text(u"vCancelCaptionBtn"));
    for (size_t i = 0; i < m_eventItems.size(); ++i)
        m_eventItems[i]->setText(eventName(int(i)));
}

void TFAudio::FormCreate()
{
    LoadCaptions();
    m_context.EventNames = SoundFiles::LoadEventNames(m_state.folders, m_state.settings.Language);
    m_context.takeCurrentSequenceFile(m_state.settings.Bouton);
    if (m_state.settings.Bouton != 0)
        m_context.loadCurrentSequence();
}

int TFAudio::exec()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    step([this] { FormActivate(); });
    return QDialog::exec();
}

void TFAudio::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        step([this] { FormShow(); });
}

void TFAudio::FormShow()
{
    m_context.EventNames = SoundFiles::LoadEventNames(m_state.folders, m_state.settings.Language);
    applyCaptions();
}

void TFAudio::FormActivate()
{
    m_changed = false;
    RadioGroup1->setTitle(m_texts.text(u"vRadioGroupCaption") + QStringLiteral(" \"%1\" ").arg(sequenceTitle()));
    if (m_events->checkedId() == 0)
        RadioGroup1Click();
    else
        m_eventItems[0]->setChecked(true); // its change runs the event step
    Edit1->setText(sequenceTitle());
    m_context.loadCurrentSequence();
    GroupBox3->setTitle(eventName(selectedEvent()));
    selectFirstFile();
}

int TFAudio::selectedEvent() const
{
    return qMax(0, m_events->checkedId());
}

QString TFAudio::eventName(int event) const
{
    return event >= 0 && event < m_context.EventNames.size() ? m_context.EventNames.at(event) : QString();
}

QString TFAudio::sequenceTitle() const
{
    return m_context.title(m_options.display().selection);
}

void TFAudio::RadioGroup1Click()
{
    const int k = selectedEvent();
    GroupBox3->setTitle(eventName(k));
    Label2->setText(m_texts.text(u"vAssocLbl") + QLatin1Char(' ') + eventName(k).right(3));
    showEntry(k);
}

void TFAudio::showEntry(int event)
{
    const QString path = m_context.entryPath(event).value_or(QString());
    Label3->setText(path);
    Label3->setToolTip(path);
    m_context.MP3().setFileName(path);
}

void TFAudio::MP3Click(bool play)
{
    m_context.closePlayers();
    MediaPlayer &preview = m_context.MP3();
    preview.open();
    preview.play();
    if (!play)
        preview.stop();
}

bool TFAudio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut)
        step([this] { Edit1Exit(); });
    return QDialog::eventFilter(watched, event);
}

void TFAudio::Edit1Exit()
{
    const QString title = Edit1->text();
    GroupBox3->setTitle(QStringLiteral("Personnalisation de \"%1\"").arg(title));
    RadioGroup1->setTitle(m_texts.text(u"vRadioGroupCaption") + QStringLiteral(" \"%1\" ").arg(title));
    m_options.setItem(m_options.display().selection, title);
    repaint();
}

void TFAudio::BitBtn4Click()
{
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    m_changed = true;
    const QString entry = SoundFiles::MakeSoundEntry(file, driveRoot(), m_state.folders.program);
    const int k = selectedEvent();
    // A sequence file shorter than eight lines gets default sounds up to this event.
    while (m_context.CurrentSequence.size() <= k)
        m_context.CurrentSequence.append(SoundFiles::defaultEntry(m_state.folders));
    m_context.CurrentSequence[k] = entry;
    showEntry(k);
}

void TFAudio::BitBtn2Click()
{
    if (m_changed) {
        const QString question = QStringLiteral("\"%1\" ").arg(sequenceTitle()) + m_texts.text(u"vChangedMessageDlg");
        if (m_confirm(question))
            m_context.saveCurrentSequence();
    }
    SoundFiles::SaveTitles(m_state.folders, m_context.SequenceTitles);
    BitBtn3Click();
    m_context.MP2().close(); // the close step
    accept();
}

void TFAudio::keyPressEvent(QKeyEvent *event)
{
    // Escape belongs to the browser's Cancel; with the browser hidden it does nothing.
    if (event->key() == Qt::Key_Escape) {
        if (controlsBuilt() && Panel1->isVisible())
            BitBtn3->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFAudio::closeEvent(QCloseEvent *event)
{
    event->setAccepted(!event->spontaneous());
    if (event->isAccepted())
        m_context.MP2().close(); // the close step
}
