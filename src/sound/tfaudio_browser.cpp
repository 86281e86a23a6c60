// The file browser of the sequence editor: mounted volumes, the current folder's path as a tree,
// and the WAV and MP3 files of the current folder with the sequence player's buttons.
#include "tfaudio.h"

#include "pathresolve.h"
#include "soundcontext.h"
#include "userinterface.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

void TFAudio::buildBrowser()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kBrowserLeft, 0, 201, height());
    Panel1->hide();
    GroupBox3 = new QGroupBox(Panel1);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(0, 4, 201, height() - 8);

    DriveComboBox1 = new QComboBox(GroupBox3);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 20, 185, 22);
    DriveComboBox1->setAccessibleName(QStringLiteral("Drive"));
    Label1 = new QLabel(GroupBox3);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 46, 185, 30);
    Label1->setWordWrap(true);
    DirectoryListBox1 = new QTreeWidget(GroupBox3);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(8, 78, 185, 150);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setIndentation(10);
    DirectoryListBox1->setAccessibleName(QStringLiteral("Folders"));
    Label7 = new QLabel(GroupBox3);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(8, 232, 185, 18);
    FileListBox1 = new QListWidget(GroupBox3);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(8, 252, 185, 110);
    Label7->setBuddy(FileListBox1);

    const auto button = [this](const char *name, QRect geometry) {
        auto *b = new QPushButton(GroupBox3);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    MP2Play = button("MP2Play", {8, 368, 40, 28});
    MP2Stop = button("MP2Stop", {50, 368, 40, 28});
    MP2Play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    MP2Stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    MP2Play->setAccessibleName(QStringLiteral("Play"));
    MP2Stop->setAccessibleName(QStringLiteral("Stop"));
    MP2Play->setToolTip(MP2Play->accessibleName());
    MP2Stop->setToolTip(MP2Stop->accessibleName());
    BitBtn4 = button("BitBtn4", {8, 400, 90, 28});
    BitBtn3 = button("BitBtn3", {103, 400, 90, 28});

    connect(DriveComboBox1, &QComboBox::activated, this, [this] { step([this] { DriveComboBox1Change(); }); });
    connect(DirectoryListBox1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const QString folder = item->data(0, Qt::UserRole).toString();
        step([this, folder] { setFolder(folder); });
    });
    connect(FileListBox1, &QListWidget::currentRowChanged, this, [this] { step([this] { FileListBox1Click(); }); });
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, [this] { step([this] { FileListBox1DblClick(); }); });
    connect(MP2Play, &QPushButton::clicked, this, [this] { step([this] { MP2Click(true); }); });
    connect(MP2Stop, &QPushButton::clicked, this, [this] { step([this] { MP2Click(false); }); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { step([this] { BitBtn4Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { step([this] { BitBtn3Click(); }); });
}

void TFAudio::BitBtn1Click()
{
    fillDrives();
    setFolder(resolvePath(m_state.folders.shared, QStringLiteral("sound\\")));
    Panel1->show();
    BitBtn1->setEnabled(false);
    setFixedSize(kWideWidth, kClientHeight);
}

void TFAudio::BitBtn3Click()
{
    Panel1->hide();
    BitBtn1->setEnabled(true);
    setFixedSize(kNarrowWidth, kClientHeight);
}

void TFAudio::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    roots.removeAll(QStringLiteral("/"));
    roots.sort();
    roots.prepend(QStringLiteral("/"));
    DriveComboBox1->clear();
    DriveComboBox1->addItems(roots);
}

QString TFAudio::driveRoot() const
{
    const QString root = DriveComboBox1->currentText();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

void TFAudio::DriveComboBox1Change()
{
    setFolder(driveRoot());
}

// DirectoryListBox1Change: any change of the current folder.
void TFAudio::setFolder(const QString &folder)
{
    QString path = QDir::cleanPath(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (!QDir(path).exists())
        path = QStringLiteral("/");
    m_folder = path;
    // The drive selector follows the volume that holds the folder.
    const QString root = QStorageInfo(path).rootPath();
    if (!root.isEmpty()) {
        int index = DriveComboBox1->findText(root);
        if (index < 0) {
            DriveComboBox1->addItem(root);
            index = DriveComboBox1->count() - 1;
        }
        DriveComboBox1->setCurrentIndex(index);
    }
    Label1->setText(QDir::toNativeSeparators(path));
    fillFolderTree();
    fillFileList();
    selectFirstFile();
    repaint();
}

void TFAudio::fillFolderTree()
{
    DirectoryListBox1->clear();
    QString root = QDir::cleanPath(driveRoot());
    if (!m_folder.startsWith(root))
        root = QStringLiteral("/");
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const auto add = [&](QTreeWidgetItem *parent, const QString &text, const QString &path, const QIcon &icon) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(DirectoryListBox1);
        item->setText(0, text);
        item->setIcon(0, icon);
        item->setData(0, Qt::UserRole, path);
        item->setExpanded(true);
        return item;
    };
    // The path from the volume's root down to the current folder, then its sub-folders.
    QTreeWidgetItem *current = add(nullptr, QDir::toNativeSeparators(root), root, open);
    QString path = root;
    const QStringList parts = m_folder.mid(root.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        path = QDir::cleanPath(path + u'/' + part);
        current = add(current, part, path, open);
    }
    const QStringList children = QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children)
        add(current, child, QDir::cleanPath(m_folder + u'/' + child), closed);
    DirectoryListBox1->setCurrentItem(current);
    DirectoryListBox1->scrollToItem(current);
}

void TFAudio::fillFileList()
{
    FileListBox1->blockSignals(true);
    FileListBox1->clear();
    QDir folder(m_folder);
    folder.setNameFilters({QStringLiteral("*.wav"), QStringLiteral("*.mp3")}); // any letter case
    const QIcon icon = style()->standardIcon(QStyle::SP_MediaVolume);
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(icon, file.fileName(), FileListBox1);
        item->setData(Qt::UserRole, file.absoluteFilePath());
    }
    FileListBox1->blockSignals(false);
}

void TFAudio::selectFirstFile()
{
    FileListBox1->blockSignals(true);
    FileListBox1->setCurrentRow(FileListBox1->count() > 0 ? 0 : -1);
    FileListBox1->blockSignals(false);
    const QString file = selectedFile();
    m_context.browserFile = file;
    m_context.MP2().setFileName(file);
    const bool any = !file.isEmpty();
    MP2Play->setVisible(any);
    MP2Stop->setVisible(any);
    BitBtn4->setEnabled(any);
}

QString TFAudio::selectedFile() const
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

void TFAudio::FileListBox1Click()
{
    const QString file = selectedFile();
    m_context.browserFile = file;
    m_context.MP2().setFileName(file);
    BitBtn4->setEnabled(!file.isEmpty());
}

void TFAudio::FileListBox1DblClick()
{
    MP2Play->setFocus();
    m_context.MP3().close();
    m_context.MP2().close();
    m_context.MP2().open();
    m_context.MP2().play();
}

void TFAudio::MP2Click(bool play)
{
    m_context.MP3().close();
    m_context.MP2().close();
    m_context.MP2().open();
    m_context.MP2().play();
    if (!play)
        m_context.MP2().stop();
}
