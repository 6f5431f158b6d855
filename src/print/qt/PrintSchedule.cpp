#include "print/qt/PrintSchedule.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "platform/RuntimeError.h"
#include "print/PrintGrid.h"
#include "print/qt/QtMousePointer.h"
#include "print/qt/QtPrinter.h"

namespace pellory {

namespace {

const char* const kDocumentName = "Depreciation Schedule";

}  // namespace

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

std::unique_ptr<Printer> OpenPdfFile(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setDocName(QString::fromLatin1(kDocumentName));
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    auto document = std::make_unique<QtPrinter>(std::move(printer));
    if (!document->Active()) {
        throw RuntimeError(err::kPathFileAccess, "Cannot write the file " + path);
    }
    return document;
}

void PrintToDefaultPrinter(FrmViewDepr& window) {
    QtMousePointer pointer;
    PrintSchedule(window, OpenDefaultPrinter, pointer);
}

bool PrintToPdf(FrmViewDepr& window, const std::string& path) {
    QtMousePointer pointer;
    return PrintSchedule(
        window, [&path] { return OpenPdfFile(path); }, pointer);
}

}  // namespace pellory
