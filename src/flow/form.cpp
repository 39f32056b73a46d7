#include "flow/form.h"

Form Form::initial(std::initializer_list<const char*> entries,
                   std::initializer_list<const char*> units,
                   std::initializer_list<const char*> frames) {
    Form form;
    for (const char* name : entries)
        form.entries.insert(name, "0");
    for (const char* name : units)
        form.units.insert(name, {});
    for (const char* name : frames)
        form.options.insert(name, {});
    return form;
}

Form Form::with(const QString& entry, const QString& text) const {
    Form form = *this;
    form.entries[entry] = text;
    return form;
}
