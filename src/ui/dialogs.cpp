#include "ui/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

std::optional<QString> StandardDialogs::saveFileName(QWidget* over, const QString& title,
                                                     const QString& filter) {
    QFileDialog dialog(over, title);
    dialog.setObjectName("savefile");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("Text files (" + filter + ")");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
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
