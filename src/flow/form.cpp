#include "flow/form.h"

Form Form::initial(const Fields& fields) {
    Form form;
    for (const Field& field : fields) {
        switch (field.kind) {
        case Field::Kind::Entry:
            form.entries.insert(field.name(), QString::fromLatin1(field.initial));
            break;
        case Field::Kind::Units:
            form.units.insert(field.name(), QString::fromLatin1(field.initial));
            break;
        case Field::Kind::Options:
            form.options.insert(field.name(), QString::fromLatin1(field.initial));
            break;
        }
    }
    return form;
}
