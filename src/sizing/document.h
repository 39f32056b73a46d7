#pragma once

#include "flow/changes.h"
#include "sizing/sizing.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The sizing in progress, with the file it belongs to: it knows whether it
// changed since it was saved there or opened from it, and says when it
// changes.
class SizingDocument : public Changes {
    Q_OBJECT
  public:
    // `filed` gives a sizing as its file holds it: two sizings that file
    // alike are the same.
    explicit SizingDocument(std::function<QByteArray(const Sizing&)> filed);

    Sizing& sizing() { return sizing_; }
    const Sizing& sizing() const { return sizing_; }

    // Another sizing in this one's place (a new one, or one opened), and the
    // file it belongs to from now on (empty: none).
    void replace(Sizing sizing, const QString& file);
    // The sizing now stands in that file as it is.
    void savedTo(const QString& file);
    // An edit or a step changed the sizing.
    void edited();

    QString file() const { return file_; }
    QString fileName() const;
    // Changed since it was saved to its file or opened from it; a sizing
    // with no file is never said to be.
    bool isModified() const;

  private:
    std::function<QByteArray(const Sizing&)> filed_;
    Sizing sizing_;
    QString file_;
    QByteArray saved_; // as its file holds it
};
