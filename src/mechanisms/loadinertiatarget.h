#pragma once

#include <QString>

// A screen whose load inertia entry the load calculator writes its result into.
class LoadInertiaTarget {
  public:
    virtual ~LoadInertiaTarget() = default;
    virtual void setLoadInertia(const QString& text) = 0;
};
