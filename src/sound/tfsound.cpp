#include "tfsound.h"

#include "soundservice.h"
#include "userinterface.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

TFSound::TFSound(ProgramState &state, SoundService &sound, QWidget *parent)
    : LazyDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_options(sound.options()), m_texts(Captions::designTime(CaptionSections::FSound))
{
    setObjectName(QStringLiteral("FSound"));
    setFixedSize(474, 157);
    setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 13));

    // The controls wait for the first opening: the steps that run before it (the selection set
    // by the start window, the OK step run by the drill window) change SoundOptions' display,
    // which the controls show when they are made.
    step([this] { LoadCaptions(); }); // the create step
}

void TFSound::buildControls()
{
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 8, 234, 96);
    auto *grid = new QGridLayout(RadioGroup1);
    grid->setContentsMargins(8, 4, 4, 4);
    grid->setVerticalSpacing(0);
    m_choices = new QButtonGroup(this);
    for (int i = 0; i < int(m_items.size()); ++i) {
        auto *item = new QRadioButton(RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        grid->addWidget(item, i % 3, i / 3); // two columns, filled top to bottom
        m_choices->addButton(item, i);
        m_items[size_t(i)] = item;
    }

    const DataFolders &folders = m_state.folders;
    const auto button = [this](const char *name, QRect geometry) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    BitBtn8 = button("BitBtn8", {262, 16, 201, 29});
    BitBtn3 = button("BitBtn3", {262, 56, 201, 29});
    BitBtn1 = button("BitBtn1", {177, 118, 65, 29});
    BitBtn1->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
    BitBtn1->setDefault(true);
    BitBtn8->setIcon(UserInterface::pictureIcon(folders, QStringLiteral("note")));
    BitBtn3->setIcon(UserInterface::pictureIcon(folders, QStringLiteral("shapes")));
    BitBtn1->setIcon(UserInterface::pictureIcon(folders, QStringLiteral("check")));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(250, 124, 214, 18);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    UserInterface::setColor(Label1, QPalette::WindowText, QColor(0x00, 0x00, 0x80));

    PB = new QProgressBar(this);
    PB->setObjectName(QStringLiteral("PB"));
    PB->setGeometry(8, 112, 153, 16);
    PB->setRange(0, 7);
    PB->setTextVisible(false);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 132, 153, 18);

    connect(m_choices, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            step([this, id] { m_options.setSelection(id); });
    });
    connect(BitBtn8, &QPushButton::clicked, this, [this] { step([this] { m_options.BitBtn8Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { step([this] { m_options.BitBtn3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        step([this] {
            m_options.BitBtn1Click();
            accept();
        });
    });

    m_options.setView(this);
    showOptions(m_options.display());
    applyCaptions();
}

TFSound::~TFSound()
{
    m_options.setView(nullptr);
}

void TFSound::step(const std::function<void()> &work)
{
    UserInterface::runStep(this, work);
}

void TFSound::LoadCaptions()
{
    m_texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), CaptionSections::FSound);
}

void TFSound::applyCaptions()
{
    setWindowTitle(m_texts.text(u"vFSoundCaption"));
    RadioGroup1->setTitle(m_texts.text(u"vGroupBoxCaption"));
    BitBtn8->setText(m_texts.text(u"vListenCaptionBtn"));
    BitBtn3->setText(m_texts.text(u"vEditCaptionBtn"));
    Label1->setText(m_texts.text(u"vNoSoundCaptionLbl"));
}

int TFSound::exec()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowModality(Qt::ApplicationModal);
    show();
    step([this] { m_options.FormActivate(); });
    return QDialog::exec();
}

void TFSound::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        applyCaptions(); // the show step
}

void TFSound::keyPressEvent(QKeyEvent *event)
{
    // OK is the only way out: Escape does not close the dialog.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TFSound::closeEvent(QCloseEvent *event)
{
    event->setAccepted(!event->spontaneous());
}

void TFSound::showOptions(const SoundOptionsDisplay &shown)
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->setText(qsizetype(i) < shown.items.size() ? shown.items.at(qsizetype(i)) : QString());
    if (shown.selection >= 0 && shown.selection < int(m_items.size()))
        m_items[size_t(shown.selection)]->setChecked(true);
    RadioGroup1->setEnabled(shown.listEnabled);
    BitBtn8->setEnabled(shown.listenEnabled);
    BitBtn3->setEnabled(shown.editEnabled);
    BitBtn1->setEnabled(shown.okEnabled);
    Label1->setVisible(shown.noticeVisible);
    PB->setValue(shown.progress);
    PB->setVisible(shown.progressVisible);
    Label2->setText(shown.status);
    PB->setAccessibleName(shown.status);
    Label2->setVisible(!shown.status.isEmpty());
    if (isVisible())
        repaint();
}

void TFSound::openEditor()
{
    if (m_openEditor)
        m_openEditor();
    m_options.FormActivate(); // the activate step runs again when the editor closes
}
