#include "helpviewer.h"

#include "userinterface.h"

#include <QFileInfo>

HelpViewer::HelpViewer(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false); // every click comes to followLink first
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(UserInterface::pixelFont(QStringLiteral("Arial"), 13));
    document()->setDefaultFont(font());
    document()->setDocumentMargin(0);
    setViewportMargins(5, 0, 5, 0);
    UserInterface::setColor(this, QPalette::Base, Qt::white);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
}

void HelpViewer::loadDocument(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        // A missing document leaves the panel empty but usable.
        setHtml(QString());
        return;
    }
    setSource(QUrl::fromLocalFile(path));
}

bool HelpViewer::isExternalLink(const QString &target)
{
    const QString upper = target.toUpper();
    // Secure web addresses go to the browser as well as plain ones.
    return upper.contains(QLatin1String("MAILTO:")) || upper.contains(QLatin1String("HTTP:"))
           || upper.contains(QLatin1String("HTTPS:"));
}

void HelpViewer::followLink(const QUrl &url)
{
    const QString target = url.toString();
    if (isExternalLink(target)) {
        UserInterface::openAddress(target);
        return;
    }
    setSource(source().resolved(url));
}
