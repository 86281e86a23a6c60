#pragma once

#include <QTextBrowser>

// Shows a help document. Links inside the document are followed here; web and mail links are
// handed to the desktop.
class HelpViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void loadDocument(const QString &path);

    // Whether a link target goes to the desktop (mail and web addresses, any letter case).
    static bool isExternalLink(const QString &target);

private:
    void followLink(const QUrl &url);
};
