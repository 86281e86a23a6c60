#pragma once

#include "datafolders.h"
#include "lazydialog.h"

class LinkLabel;
class QLabel;

// The about box: logo, tag line, the running program's version and two web links.
// Its texts are fixed English texts.
class TFAbout : public LazyDialog
{
    Q_OBJECT

public:
    explicit TFAbout(const DataFolders &folders, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls() override;
    void openLink(const QString &address);

    const DataFolders &m_folders;
    QLabel *m_Image1 = nullptr;     // logo, drawn when first shown
    LinkLabel *m_Label7 = nullptr; // home page link
};
