#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using SaveAsPdfTest = testing::MainWindowTest;

// A desktop with or without a default printer whose file dialog the test answers.
struct PdfDesktop : NoServices {
    bool HasDefaultPrinter() override { return printer; }
    void PrintSchedule(const ReportSource& inputs) override {
        asked.push_back("print " + inputs().methodLine);
    }
    std::filesystem::path DocumentsFolder() override { return "/home/ann/Documents"; }
    std::optional<std::filesystem::path> ChoosePdfFile(
        const std::filesystem::path& suggested) override {
        asked.push_back("choose " + suggested.string());
        return answer;
    }
    bool SavePdf(const ReportSource& inputs, const std::filesystem::path& path) override {
        asked.push_back("save " + path.string() + " " + inputs().description);
        return written;
    }
    bool printer = false;
    std::optional<std::filesystem::path> answer;  // none: the user cancels
    bool written = true;
    std::vector<std::string> asked;
};

TEST_F(SaveAsPdfTest, PrintSavesAPdfWithoutAPrinterAndTheToolsEntryWheneverThereIsASchedule) {
    PdfDesktop desktop;
    w.SetServices(&desktop);
    const MenuEntry& save = w.mnuTools.entries.back();
    EXPECT_EQ(save.caption, "Save Schedule as PDF...");
    EXPECT_FALSE(save.Available());
    w.cmdPrint.Click();
    save.onClick();
    EXPECT_TRUE(desktop.asked.empty()) << "no schedule, nothing to save";

    const auto calculate = [&](const std::string& cost) {
        w.txtCost.SetText("");
        w.Type(w.txtCost, cost);
        w.cmdCalculate.Click();
    };
    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    calculate("10000");
    EXPECT_TRUE(save.Available());
    const struct {
        bool printer;
        bool fromTools;
        std::optional<std::filesystem::path> answer;
        bool written;
        const char* description;
        std::vector<std::string> asked;
        const char* status;
    } steps[] = {
        // Cancel; a slash would lead into folders.
        {false,
         false,
         std::nullopt,
         true,
         "Truck 1/2 ton",
         {"choose /home/ann/Documents/Truck 1-2 ton.pdf"},
         "Method: MACRS 200% DB"},
        {true,
         false,
         "/srv/a.pdf",
         true,
         "Van",
         {"print Method: MACRS 200% DB"},
         "Method: MACRS 200% DB"},
        {true,
         true,
         "/srv/o.pdf",
         true,
         "Van",
         {"choose /home/ann/Documents/Van.pdf", "save /srv/o.pdf Van"},
         "Schedule saved as /srv/o.pdf"},
        // The folder of the last one saved; a file not written leaves the status line alone.
        {false,
         false,
         "/srv/d.pdf",
         false,
         "",
         {"choose /srv/Depreciation Schedule.pdf", "save /srv/d.pdf "},
         "Schedule saved as /srv/o.pdf"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.asked.front());
        desktop.asked.clear();
        desktop.printer = step.printer;
        desktop.answer = step.answer;
        desktop.written = step.written;
        w.txtDescription.SetText(step.description);
        step.fromTools ? save.onClick() : w.cmdPrint.Click();
        EXPECT_EQ(desktop.asked, step.asked);
        EXPECT_EQ(w.stbMain.caption, step.status);
        EXPECT_EQ(w.stbMain.foreColor, kBlue);
        EXPECT_TRUE(platform.boxes.empty());
    }
    calculate("0");  // a fault empties the grid and disables Print
    EXPECT_FALSE(save.Available());
}

}  // namespace
}  // namespace pellory
