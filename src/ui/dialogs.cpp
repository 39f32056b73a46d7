#include "ui/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Qt's own file dialog, on the files of one kind.
std::optional<QString> chooseFile(QWidget* over, const QString& title, const QString& pattern,
                                  const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(over, title, folder);
    dialog.setObjectName(mode == QFileDialog::AcceptSave ? "savefile" : "openfile");
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    const QString kind = pattern.endsWith(".txt") ? "Text files" : "Motor sizings";
    dialog.setNameFilter(kind + " (" + pattern + ")");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> StandardDialogs::saveFileName(QWidget* over, const QString& title,
                                                     const QString& filter, const QString& folder) {
    return chooseFile(over, title, filter, folder, QFileDialog::AcceptSave);
}

std::optional<QString> StandardDialogs::openFileName(QWidget* over, const QString& title,
                                                     const QString& filter, const QString& folder) {
    return chooseFile(over, title, filter, folder, QFileDialog::AcceptOpen);
}

bool StandardDialogs::choosePrinter(QWidget* over, QPrinter& printer) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::home().filePath("Motor Sizing Report.pdf"));
    }
    QPrintDialog dialog(&printer, over);
    dialog.setObjectName("PrintIt");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}
