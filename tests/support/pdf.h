#pragma once

// Reading back the PDFs the program writes, with poppler's tools.

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A poppler tool's output for a PDF file.
inline QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "<" + tool + " failed: " + process.readAllStandardError() + ">";
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct WordBox {
    int page = -1; // from 0
    QRectF box;    // in points
};

// Where `word` first stands in the PDF, from pdftotext's bounding boxes.
inline WordBox wordBox(const QString& boxes, const QString& word) {
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = -1;
    for (auto m = item.globalMatch(boxes); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(0) == "<page ")
            ++page;
        else if (match.captured(5) == word)
            return {page,
                    QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                           QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))};
    }
    return {};
}

// A PDF's text with blanks removed and ligatures read as letters.
inline QString squeezed(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    out.remove(QRegularExpression(R"(\s)"));
    return out;
}
