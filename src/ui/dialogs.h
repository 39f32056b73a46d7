#pragma once

#include <QFileDialog>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

// The modal file and print dialogs a screen asks through.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The chosen file name, or nothing when the user cancels. The filter is
    // a pattern such as "*.txt"; the dialog opens in `folder` when one is given.
    virtual std::optional<QString> saveFileName(QWidget* over, const QString& title,
                                                const QString& filter,
                                                const QString& folder = {}) = 0;
    virtual std::optional<QString> openFileName(QWidget* over, const QString& title,
                                                const QString& filter,
                                                const QString& folder = {}) = 0;
    // Lets the user pick and set up the printer; false when cancelled.
    virtual bool choosePrinter(QWidget* over, QPrinter& printer) = 0;
};

// Sets up Qt's file dialog on the files of one kind ("*.pdf"): its filter
// names the kind, and a save dialog adds the extension itself and asks
// before it replaces a file.
void setUpFileDialog(QFileDialog& dialog, const QString& pattern, QFileDialog::AcceptMode mode);

// Qt's own dialogs. With no printer installed, the print dialog starts on
// printing to a PDF file.
class StandardDialogs final : public Dialogs {
  public:
    std::optional<QString> saveFileName(QWidget* over, const QString& title, const QString& filter,
                                        const QString& folder) override;
    std::optional<QString> openFileName(QWidget* over, const QString& title, const QString& filter,
                                        const QString& folder) override;
    bool choosePrinter(QWidget* over, QPrinter& printer) override;
};
