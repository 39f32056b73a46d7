#pragma once

#include <QObject>

// Tells whoever follows it that the sizing changed: an entry typed or chosen,
// a step passed, the sizing saved, opened or begun anew.
class Changes : public QObject {
    Q_OBJECT
  signals:
    void changed();
};
