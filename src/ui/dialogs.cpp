#include "ui/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// What the file dialogs call each kind of file the program writes or reads.
QString kindOf(const QString& pattern) {
    if (pattern.endsWith(".txt"))
        return "Text files";
    if (pattern.endsWith(".pdf"))
        return "PDF files";
    if (pattern.endsWith(".csv"))
        return "CSV files";
    return "Motor sizings";
}

} // namespace

void setUpFileDialog(QFileDialog& dialog, const QString& pattern, QFileDialog::AcceptMode mode) {
    dialog.setObjectName(mode == QFileDialog::AcceptSave ? "savefile" : "openfile");
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(kindOf(pattern) + " (" + pattern + ")");
    // The dialog itself adds the extension to a name typed without it, so
    // that it asks before replacing a file of that name.
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(pattern.section('.', -1));
}

namespace {

// Qt's own file dialog, on the files of one kind.
std::optional<QString> chooseFile(QWidget* over, const QString& title, const QString& pattern,
                                  const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(over, title, folder);
    setUpFileDialog(dialog, pattern, mode);
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
