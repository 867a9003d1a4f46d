#include "ui/system_printer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace vormak::ui {

namespace {

// Paper sizes by the numbers the page property uses.
QPageSize::PageSizeId paperSize(int value) {
    switch (value) {
    case 1:
        return QPageSize::Letter;
    case 5:
        return QPageSize::Legal;
    case 8:
        return QPageSize::A3;
    case 11:
        return QPageSize::A5;
    case 12:
        return QPageSize::JisB4;
    case 13:
        return QPageSize::JisB5;
    default:
        return QPageSize::A4;
    }
}

const QString kCannotMakePrintData = QStringLiteral(u"印刷データが作成できません");

// Name of the system's default printer; empty when there is none.
QString defaultPrinterName() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return {};
    QString name = QString::fromUtf8(dest->name);
    cupsFreeDests(1, dest);
    return name;
}

} // namespace

std::function<std::unique_ptr<Printer>()>& printerFactory() {
    static std::function<std::unique_ptr<Printer>()> make = [] {
        return std::make_unique<SystemPrinter>();
    };
    return make;
}

SystemPrinter::SystemPrinter() = default;

SystemPrinter::SystemPrinter(const QString& pdfPath) : pdfPath_(pdfPath) {}

SystemPrinter::~SystemPrinter() {
    if (painter_ && painter_->isActive())
        painter_->end();
}

void SystemPrinter::setPageProperty(int property, int value) {
    if (property == kPageOrientation)
        orientation_ =
            value == kOrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    else if (property == kPagePaperSize)
        paper_ = value;
}

void SystemPrinter::setFontSize(double points) {
    fontSize_ = points;
}

bool SystemPrinter::fail(const QString& reason) {
    failureReason_ = reason;
    return false;
}

std::u16string SystemPrinter::failureReason() const {
    return failureReason_.toStdU16String();
}

// Starts the document at the first line: finds the printer, lays out the page.
bool SystemPrinter::begin() {
    QString output = pdfPath_;
    if (pdfPath_.isEmpty()) {
        destination_ = defaultPrinterName();
        if (destination_.isEmpty())
            return fail(QStringLiteral(u"既定のプリンタがありません"));
        spool_ = std::make_unique<QTemporaryFile>();
        if (!spool_->open())
            return fail(kCannotMakePrintData);
        output = spool_->fileName();
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(output);
    printer_->setDocName(QStringLiteral("Vormak"));
    printer_->setPageSize(QPageSize(paperSize(paper_)));
    printer_->setPageOrientation(orientation_);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get()))
        return fail(kCannotMakePrintData);
    QFont font = painter_->font();
    font.setPointSizeF(fontSize_);
    painter_->setFont(font);
    const QFontMetricsF metrics(font, printer_.get());
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    pageHeight_ = printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
    lineTop_ = 0;
    pages_ = 1;
    return true;
}

void SystemPrinter::printLine(std::u16string_view line) {
    if (failed_)
        return;
    if (!painter_ && !begin()) {
        failed_ = true;
        return;
    }
    if (lineTop_ > 0 && lineTop_ + lineHeight_ > pageHeight_) {
        printer_->newPage();
        ++pages_;
        lineTop_ = 0;
    }
    // One printed line per line, never wrapped: what does not fit the width is cut off.
    painter_->drawText(QPointF(0, lineTop_ + ascent_),
                       QString::fromUtf16(line.data(), static_cast<qsizetype>(line.size())));
    lineTop_ += lineHeight_;
}

bool SystemPrinter::endDocument() {
    if (!painter_)
        return !failed_; // nothing printed, no job
    if (failed_)
        return false;
    if (!painter_->end())
        return fail(kCannotMakePrintData);
    if (!pdfPath_.isEmpty())
        return true;
    // The job goes to CUPS as it stands: the pages already carry their size
    // and orientation.
    const QByteArray name = destination_.toUtf8();
    const QByteArray file = spool_->fileName().toLocal8Bit();
    spool_->close();
    if (cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.constData(), "Vormak", 0,
                       nullptr) == 0)
        return fail(QStringLiteral(u"プリンタがジョブを受け付けません: ") +
                    QString::fromUtf8(cupsLastErrorString()));
    return true;
}

std::u16string SystemPrinter::destination() const {
    const QString name = pdfPath_.isEmpty() ? destination_ : QFileInfo(pdfPath_).fileName();
    return name.toStdU16String();
}

} // namespace vormak::ui
