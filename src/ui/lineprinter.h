#pragma once

#include <QFont>
#include <QPainter>

class QPrinter;

// Prints text line by line down the page: each line at a tenth of the page
// width from the left, the first a twentieth of the page height from the
// top, a new page when a line would pass the bottom.
class LinePrinter {
  public:
    explicit LinePrinter(QPrinter& printer);

    bool begin();
    void setFontSize(int points);
    void setEmphasis(bool on);
    // Prints the line (an empty one only advances); false when printing failed.
    bool printLine(const QString& text);
    bool end();

  private:
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double y_ = 0;
};
