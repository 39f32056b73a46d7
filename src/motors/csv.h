#pragma once

#include "sizing/motor.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

// Motors as a CSV file (RFC 4180, UTF-8, commas, point decimals whatever
// the locale), one motor a line under a header that names each column's unit:
//   Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak Torque [N-m],
//   Max Speed [revs/min],Peak Curve [revs/min:N-m]
// The units may be any of the program's inertia, torque and rotary speed
// units; the curve column is optional and holds "speed:torque" pairs
// separated by blanks.
namespace motors {

// The motors of the file in the program's units, or what is wrong with it:
// "line 4: …", naming the first bad line. A file with a bad line gives no motors.
std::variant<QList<Motor>, QString> readCsv(const QByteArray& bytes);

// The motors in the program's own units, each figure as the shortest text
// that reads back as the same number, so that the file imports back to the
// same motors.
QByteArray writeCsv(const QList<Motor>& motors);

} // namespace motors
