#pragma once

#include "flow/outcome.h"
#include "sizing/record.h"

#include <QMetaType>

#include <functional>

// A mechanism's NEXT with its entries bound, as one row of a test table.
using Next = std::function<Outcome(SizingRecord&)>;
Q_DECLARE_METATYPE(Next)

// The NEXT with the entries after `change`.
template <class Entries, class Change>
Next with(Outcome (*next)(SizingRecord&, const Entries&), Entries entries, Change change) {
    change(entries);
    return [next, entries](SizingRecord& r) { return next(r, entries); };
}

// The NEXT with the entries as they are.
template <class Entries> Next as(Outcome (*next)(SizingRecord&, const Entries&), Entries entries) {
    return with(next, entries, [](Entries&) {});
}
