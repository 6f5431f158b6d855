#include <gtest/gtest.h>

#include <QCursor>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "app/ReportInputs.h"
#include "platform/RuntimeError.h"
#include "print/qt/PrintSchedule.h"
#include "print/qt/QtMousePointer.h"
#include "print/qt/QtPrinter.h"

namespace pellory {
namespace {

namespace fs = std::filesystem;

class QtPrinterTest : public testing::MainWindowTest {
  protected:
    QtPrinterTest() {
        folder =
            fs::temp_directory_path() /
            ("pellory-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~QtPrinterTest() override { fs::remove_all(folder); }

    std::unique_ptr<QtPrinter> OpenPdf(const fs::path& path) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(QString::fromStdString(path.string()));
        printer->setOutputFormat(QPrinter::PdfFormat);
        return std::make_unique<QtPrinter>(std::move(printer));
    }
    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
};

TEST_F(QtPrinterTest, CourierNewIsDrawnInAMonospacedFont) {
    auto printer = OpenPdf(folder / "font.pdf");
    ASSERT_TRUE(printer->Active());
    printer->SetFontName("Courier new");
    printer->SetFontSize(8);
    const QFontInfo info(printer->Font());
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
    EXPECT_DOUBLE_EQ(printer->Font().pointSizeF(), 8.0);
    printer->EndDoc();
}

TEST_F(QtPrinterTest, LinesAdvanceByTheFontsHeightAndTextsMoveAlongTheLine) {
    auto printer = OpenPdf(folder / "lines.pdf");
    printer->SetFontName("Courier new");
    printer->SetFontSize(8);
    const double line = printer->LineHeight();
    // An 8-point line is about 9 points high.
    EXPECT_GT(line, 150.0);
    EXPECT_LT(line, 230.0);
    printer->SetCurrentY(500);
    printer->SetCurrentX(3530);
    printer->PrintStay("2002");
    // Four characters of a Courier-wide font: 0.6 of the size each, 96 twips at 8 points.
    EXPECT_NEAR(printer->CurrentX(), 3530 + 4 * 96, 4);
    EXPECT_DOUBLE_EQ(printer->CurrentY(), 500);
    printer->PrintLine("     4,400.00");
    EXPECT_DOUBLE_EQ(printer->CurrentX(), 0);
    EXPECT_DOUBLE_EQ(printer->CurrentY(), 500 + line);
    printer->SetFontSize(12);
    EXPECT_NEAR(printer->LineHeight(), line * 12 / 8, 15);
    printer->PrintLine("");
    EXPECT_DOUBLE_EQ(printer->CurrentY(), 500 + line + printer->LineHeight());
    printer->EndDoc();
    EXPECT_EQ(Contents(folder / "lines.pdf").substr(0, 5), "%PDF-");
}

TEST_F(QtPrinterTest, ATextPastTheFootOfThePageStartsANewPage) {
    auto printer = OpenPdf(folder / "pages.pdf");
    printer->SetFontSize(8);
    for (int i = 0; i < 150; ++i) {
        printer->PrintLine("line " + std::to_string(i));
    }
    EXPECT_EQ(printer->Pages(), 2);
    EXPECT_LT(printer->CurrentY(), 150 * printer->LineHeight() / 2);
    printer->EndDoc();
}

TEST_F(QtPrinterTest, ADocumentEndsOnce) {
    auto printer = OpenPdf(folder / "once.pdf");
    printer->PrintLine("x");
    printer->EndDoc();
    try {
        printer->EndDoc();
        FAIL() << "a second end was taken";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(EngineErrorText(error), "Err: 482[Printer error]");
    }
    EXPECT_THROW(printer->PrintLine("late"), RuntimeError);
}

TEST_F(QtPrinterTest, TheScheduleReplacesAPdfFileOnlyWhenItIsWrittenWhole) {
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    w.cmdCalculate.Click();
    const fs::path file = folder / "schedule.pdf";
    std::ofstream(file) << "an older schedule";
    const fs::path missing = folder / "missing" / "x.pdf";
    const struct {
        fs::path path;
        int convention;  // 7 fails a step of the report
        std::string box;
    } failures[] = {
        {missing, 0,
         "Printer Error: Err: 75[Cannot write the file " + missing.string() +
             ": No such file or directory]"},
        {"/dev/full", 0,
         "Printer Error: Err: 75[Cannot write the file /dev/full: No space left on device]"},
        {file, 7, "Print Grid Error: Err: 9[Subscript out of range]"},
    };
    for (const auto& f : failures) {
        platform.boxes.clear();
        const auto inputs = [&] {
            ReportInputs in = ReportInputsOf(w);
            in.convention = static_cast<AveragingConvention>(f.convention);
            return in;
        };
        EXPECT_FALSE(PrintToPdf(inputs, f.path.string(), platform)) << f.path;
        ASSERT_EQ(platform.boxes.size(), 1u) << f.path;
        EXPECT_EQ(platform.boxes[0].title + ": " + platform.boxes[0].text, f.box);
    }
    EXPECT_EQ(Contents(file), "an older schedule");

    platform.boxes.clear();
    EXPECT_TRUE(PrintToPdf([&] { return ReportInputsOf(w); }, file.string(), platform));
    EXPECT_TRUE(platform.boxes.empty());
    const std::string pdf = Contents(file);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // Letter paper: 8.5 by 11 inches.
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // No scratch file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(QtPrinterTest, WithoutAPrinterThePrintButtonSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    PrintToDefaultPrinter([&] { return ReportInputsOf(w); }, platform);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "Printer Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 482[No printer is installed]");
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtPrinterTest, TheHourglassIsTheOverrideCursorUntilTheArrow) {
    {
        QtMousePointer pointer;
        pointer.Show(PointerShape::Hourglass);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointer.Show(PointerShape::Arrow);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        pointer.Show(PointerShape::Hourglass);
    }
    // A pointer going out of scope takes its hourglass with it.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace pellory
