#include <gtest/gtest.h>
#include <unistd.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "app/ReportInputs.h"
#include "print/qt/PrintSchedule.h"
#include "print/qt/QtPrinter.h"

namespace pellory {
namespace {

namespace fs = std::filesystem;

class QtPrinterTest : public testing::MainWindowTest {
  protected:
    ~QtPrinterTest() override { fs::remove_all(folder); }

    std::unique_ptr<QtPrinter> OpenPdf(const std::string& name) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(QString::fromStdString((folder / name).string()));
        printer->setOutputFormat(QPrinter::PdfFormat);
        return std::make_unique<QtPrinter>(std::move(printer));
    }
    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder = fs::temp_directory_path() /
                      ("pellory-print-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// A monospaced font; a line advances by its height, a text by its width; past the foot of the
// page a new page; a document ends once.
TEST_F(QtPrinterTest, DrawsLinesInAMonospacedFontAndPages) {
    fs::create_directories(folder);
    auto printer = OpenPdf("lines.pdf");
    ASSERT_TRUE(printer->Active());
    printer->SetFontName("Courier new");
    printer->SetFontSize(8);
    EXPECT_TRUE(QFontInfo(printer->Font()).fixedPitch());
    const double line = printer->LineHeight();
    printer->SetCurrentY(500);
    printer->SetCurrentX(3530);
    printer->PrintStay("2002");
    EXPECT_NEAR(printer->CurrentX(), 3530 + 4 * 96, 4);  // 0.6 of the size a character
    EXPECT_DOUBLE_EQ(printer->CurrentY(), 500);
    printer->PrintLine("     4,400.00");
    EXPECT_DOUBLE_EQ(printer->CurrentX(), 0);
    EXPECT_DOUBLE_EQ(printer->CurrentY(), 500 + line);
    printer->SetFontSize(12);
    for (int i = 0; i < 60; ++i) {
        printer->PrintLine("line " + std::to_string(i));
    }
    EXPECT_EQ(printer->Pages(), 2);
    printer->EndDoc();
    EXPECT_EQ(Contents(folder / "lines.pdf").substr(0, 5), "%PDF-");
}

// A PDF file is replaced only by a whole schedule on Letter paper, with no scratch file left;
// a failure is said and leaves the older file as it was.
TEST_F(QtPrinterTest, TheScheduleReplacesAPdfFileOnlyWhenItIsWrittenWhole) {
    fs::create_directories(folder);
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    w.cmdCalculate.Click();
    const fs::path file = folder / "schedule.pdf";
    std::ofstream(file) << "an older schedule";
    const struct {
        fs::path path;
        int convention;  // 7 fails a step of the report
        std::string box;
    } failures[] = {
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
        ASSERT_EQ(platform.boxes.size(), 1U) << f.path;
        EXPECT_EQ(platform.boxes[0].title + ": " + platform.boxes[0].text, f.box);
    }
    EXPECT_EQ(Contents(file), "an older schedule");

    platform.boxes.clear();
    EXPECT_TRUE(PrintToPdf([&] { return ReportInputsOf(w); }, file.string(), platform));
    EXPECT_TRUE(platform.boxes.empty());
    const std::string pdf = Contents(file);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// Without a default printer the Print button says so, and the hourglass goes away.
TEST_F(QtPrinterTest, NoPrinterIsSaid) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer is installed";
    }
    PrintToDefaultPrinter([&] { return ReportInputsOf(w); }, platform);
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].title + ": " + platform.boxes[0].text,
              "Printer Error: Err: 482[No printer is installed]");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace pellory

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
