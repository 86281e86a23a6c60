#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

// The words of a PDF as poppler's pdftotext -bbox reads them, in millimetres, with their page
// counted from 1.
struct PdfWord
{
    QString text;
    QRectF box;
    int page = 1;
};

inline QList<PdfWord> readPdfWords(const QString &pdfPath)
{
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("words.html"));
    QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, html});
    QFile file(html);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression word(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    constexpr double kMmPerPoint = 25.4 / 72;
    QList<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch &m : word.globalMatch(text)) {
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString content = m.captured(5);
        content.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        content.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
        const QPointF topLeft(m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * kMmPerPoint, m.captured(4).toDouble() * kMmPerPoint);
        words.append({content, QRectF(topLeft, bottomRight), page});
    }
    return words;
}
