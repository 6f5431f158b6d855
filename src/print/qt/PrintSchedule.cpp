#include "print/qt/PrintSchedule.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinterInfo>

#include "platform/ErrorReport.h"
#include "platform/RuntimeError.h"
#include "print/PrintGrid.h"
#include "print/qt/QtMousePointer.h"
#include "print/qt/QtPrinter.h"
#include "print/qt/WholeFile.h"

namespace pellory {

namespace {

const char* const kDocumentName = "Depreciation Schedule";
constexpr int kPdfResolution = 1200;

}  // namespace

bool DefaultPrinterExists() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<Printer> OpenDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw RuntimeError(err::kPrinter, "No printer is installed");
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QString::fromLatin1(kDocumentName));
    auto document = std::make_unique<QtPrinter>(std::move(printer));
    if (!document->Active()) {
        throw RuntimeError(err::kPrinter,
                           "The printer " + info.printerName().toStdString() + " cannot print");
    }
    return document;
}

std::unique_ptr<Printer> OpenPdfDocument(QByteArray& pdf) {
    auto output = std::make_unique<QBuffer>(&pdf);
    output->open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(output.get());
    writer->setResolution(kPdfResolution);
    writer->setTitle(QString::fromLatin1(kDocumentName));
    writer->setPageSize(QPageSize(QPageSize::Letter));
    writer->setPageOrientation(QPageLayout::Portrait);
    writer->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    auto document = std::make_unique<QtPrinter>(std::move(writer), std::move(output));
    if (!document->Active()) {
        throw RuntimeError(err::kPrinter, "The PDF document cannot be drawn");
    }
    return document;
}

void PrintToDefaultPrinter(const ReportSource& inputs, Platform& platform) {
    QtMousePointer pointer;
    PrintSchedule(inputs, OpenDefaultPrinter, pointer, platform);
}

bool PrintToPdf(const ReportSource& inputs, const std::string& path, Platform& platform) {
    QByteArray pdf;
    QtMousePointer pointer;
    if (!PrintSchedule(
            inputs, [&pdf] { return OpenPdfDocument(pdf); }, pointer, platform)) {
        return false;  // an incomplete report is never written
    }
    return ErrorReport::Engine(platform, "Printer Error")([&] {
        WriteWholeFile(path,
                       std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

}  // namespace pellory
