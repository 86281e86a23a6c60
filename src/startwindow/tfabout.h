#pragma once

#include "datafolders.h"

#include <QDialog>

class LinkLabel;
class QLabel;

// The about box: logo, tag line, the running program's version and two web links.
// Its texts are fixed English texts.
class TFAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TFAbout(const DataFolders &folders, QWidget *parent = nullptr);

    void setVisible(bool visible) override; // the controls are made at the first showing

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void openLink(const QString &address);

    const DataFolders &m_folders;
    QLabel *m_Image1 = nullptr;     // logo, drawn when first shown
    LinkLabel *m_Label7 = nullptr; // home page link
};
