#pragma once
// The printer of the result printing: the system's default printer (over
// CUPS), or a PDF file. Pages are laid out here with Qt's PDF output; a job
// for the default printer is handed to CUPS as one PDF document, so a missing
// default printer or a refused job is known and reported.

#include "core/printer.h"

#include <QFont>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QTemporaryFile;

namespace vormak::ui {

class SystemPrinter : public Printer {
public:
    // Prints on the system's default printer; nothing is asked.
    SystemPrinter();
    // Writes the pages into a PDF file instead.
    explicit SystemPrinter(const QString& pdfPath);
    ~SystemPrinter() override;
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;

    void setPageProperty(int property, int value) override;
    void setFontSize(double points) override;
    void printLine(std::u16string_view line) override;
    bool endDocument() override;
    std::u16string failureReason() const override;
    int pageCount() const override { return pages_; }
    // The default printer's name, or the PDF file's name.
    std::u16string destination() const override;

private:
    bool begin();
    bool fail(const QString& reason);

    QString pdfPath_; // empty: the default printer
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    int paper_ = kPaperA4;
    double fontSize_ = 12;
    std::unique_ptr<QTemporaryFile> spool_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString destination_;
    double lineTop_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    double pageHeight_ = 0;
    int pages_ = 0;
    bool failed_ = false;
    QString failureReason_;
};

// Makes the printer of the print button: the system's default printer.
// Tests put in one that writes a PDF file.
std::function<std::unique_ptr<Printer>()>& printerFactory();

} // namespace vormak::ui
