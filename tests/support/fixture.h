#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// A file of tests/report/fixtures, read whole.
inline QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(FIXTURES) + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// A report fixture's lines, one a line of the file.
inline QStringList fixtureLines(const QString& name) {
    QStringList lines = QString::fromLatin1(fixture(name)).split('\n');
    lines.removeLast(); // the file's final newline
    return lines;
}
