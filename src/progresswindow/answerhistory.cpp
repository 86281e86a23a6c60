#include "answerhistory.h"

#include "languagecatalog.h"
#include "progresstexts.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <utility>

AnswerHistory::AnswerHistory(const ProgramState &state) : m_state(state)
{
    m_recorder = std::make_unique<AnswerRecorder>(
        m_store, [] { return QDateTime::currentMSecsSinceEpoch(); },
        [this] { tell(QStringLiteral("vHistoryNotStored"), QDir::toNativeSeparators(m_state.folders.user)); });
}

void AnswerHistory::open()
{
    if (std::exchange(m_opened, true))
        return;
    if (m_state.folders.user.isEmpty())
        return; // no user folder: the first answer says that nothing is stored
    QDir().mkpath(m_state.folders.user);
    if (m_store.open(m_state.folders.user + HistoryStore::kFileName) == HistoryStore::OpenResult::Replaced)
        tell(QStringLiteral("vHistoryDamaged"), QDir::toNativeSeparators(m_store.setAsidePath()));
}

void AnswerHistory::tell(const QString &key, const QString &detail)
{
    const Captions texts = LanguageCatalog::LoadCaptions(m_state.languageFile(), ProgressTexts::section);
    const QString text = texts.text(key).arg(detail);
    // After the step that found the trouble, so the drill's own step ends first; over the modal
    // window then open (the drill or the progress map), so the notice can be answered at once.
    QTimer::singleShot(0, [parent = m_parent, text] {
        QWidget *modal = QApplication::activeModalWidget();
        showNotice(modal ? modal : parent, text);
    });
}

void showNotice(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Quorvel"), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("HistoryNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
