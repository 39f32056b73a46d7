#pragma once

#include "flow/form.h"

#include <QStringList>
#include <QTest>

// Types the tokens into a form as a person would into its screen: "Name=text"
// into the unit list or entry of that name, and a bare name as the option
// chosen in the form's frame of options.
inline void fill(Form& form, const QStringList& tokens) {
    for (const QString& token : tokens) {
        if (!token.contains('=')) {
            QCOMPARE(form.options.size(), 1);
            form.options[form.options.firstKey()] = token;
            continue;
        }
        const QString name = token.section('=', 0, 0);
        const QString text = token.section('=', 1);
        if (form.units.contains(name))
            form.units[name] = text;
        else if (form.entries.contains(name))
            form.entries[name] = text;
        else
            QFAIL(qPrintable("no control " + name));
    }
}
