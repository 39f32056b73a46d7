#pragma once

#include "flow/apptypes.h"
#include "ui/screen.h"

// The rotary and the linear choice screens: a button for each application
// type, each with a "?" that explains it.
class TypeChoice : public Screen {
    Q_OBJECT
  public:
    TypeChoice(App& app, const QString& name, const QString& title, const QString& heading,
               const QList<AppTypeInfo>& types);

  private:
    void choose(const AppTypeInfo& type);
};
