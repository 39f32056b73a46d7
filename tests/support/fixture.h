#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file of tests/report/fixtures, read whole.
inline QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(FIXTURES) + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}
