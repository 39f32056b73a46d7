#include "flow/sizingrecord.h"

#include "flow/numbers.h"

double SizingRecord::number(const QString& field) {
    return numbers::parse(field).value_or(0.0);
}

void SizingRecord::store(QString& field, double value) {
    field = numbers::general(value);
}

void SizingRecord::loadInertiaEdited() {
    if (LoadCalc == "No")
        Weight = "0";
}
