#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using SaveAsPdfTest = testing::MainWindowTest;

// A desktop whose file dialog the test answers ("" cancels); "full.pdf" cannot be written.
struct PdfDesktop : NoServices {
    bool HasDefaultPrinter() override { return printer; }
    void PrintSchedule(const ReportSource& inputs) override {
        asked += "print " + inputs().methodLine + ";";
    }
    std::filesystem::path DocumentsFolder() override { return "/home/ann"; }
    std::optional<std::filesystem::path> ChoosePdfFile(const std::filesystem::path& name) override {
        asked += "choose " + name.string() + ";";
        return answer.empty() ? std::nullopt : std::optional<std::filesystem::path>(answer);
    }
    bool SavePdf(const ReportSource& inputs, const std::filesystem::path& path) override {
        asked += "save " + path.string() + " " + inputs().description + ";";
        return path.filename() != "full.pdf";
    }
    bool printer = false;
    std::string answer;
    std::string asked;
};

TEST_F(SaveAsPdfTest, PrintSavesAPdfWithoutAPrinterAndTheToolsEntryWheneverThereIsASchedule) {
    PdfDesktop desktop;
    w.SetServices(&desktop);
    const MenuEntry& save = w.mnuTools.entries.back();
    EXPECT_FALSE(save.Available());
    w.cmdPrint.Click();
    save.onClick();
    EXPECT_EQ(desktop.asked, "") << "no schedule, nothing to save";

    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    w.Type(w.txtCost, "10000");
    w.cmdCalculate.Click();
    EXPECT_TRUE(save.Available());
    const struct {
        bool printer;
        bool fromTools;
        const char* description;
        const char* answer;
        const char* asked;
        const char* status;
    } steps[] = {
        // Cancelled; a slash would lead into folders.
        {false, false, "Truck 1/2 ton", "", "choose /home/ann/Truck 1-2 ton.pdf;",
         "Method: MACRS 200% DB"},
        {true, false, "Van", "", "print Method: MACRS 200% DB;", "Method: MACRS 200% DB"},
        {true, true, "Van", "/srv/o.pdf", "choose /home/ann/Van.pdf;save /srv/o.pdf Van;",
         "Schedule saved as /srv/o.pdf"},
        // The folder of the last one saved; a file not written leaves the status line alone.
        {false, false, "", "/srv/full.pdf",
         "choose /srv/Depreciation Schedule.pdf;save /srv/full.pdf ;",
         "Schedule saved as /srv/o.pdf"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.asked);
        desktop.asked.clear();
        desktop.printer = step.printer;
        desktop.answer = step.answer;
        w.txtDescription.SetText(step.description);
        step.fromTools ? save.onClick() : w.cmdPrint.Click();
        EXPECT_EQ(desktop.asked, step.asked);
        EXPECT_EQ(w.stbMain.caption, step.status);
        EXPECT_EQ(w.stbMain.foreColor, kBlue);
    }
}

}  // namespace
}  // namespace pellory
