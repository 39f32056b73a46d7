#include "sizing/document.h"

#include <QFileInfo>

SizingDocument::SizingDocument(std::function<QByteArray(const Sizing&)> filed)
    : filed_(std::move(filed)) {}

void SizingDocument::replace(Sizing sizing, const QString& file) {
    sizing_ = std::move(sizing);
    savedTo(file);
}

void SizingDocument::savedTo(const QString& file) {
    file_ = file;
    saved_ = file.isEmpty() ? QByteArray() : filed_(sizing_);
    emit changed();
}

void SizingDocument::edited() {
    emit changed();
}

QString SizingDocument::fileName() const {
    return QFileInfo(file_).fileName();
}

bool SizingDocument::isModified() const {
    return !file_.isEmpty() && filed_(sizing_) != saved_;
}
