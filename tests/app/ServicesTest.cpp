// What the window asks of the desktop: the limit editor on its tables, printing and PDF files.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

// The limit editor as the desktop runs it: modally, here by `run`.
struct EditorServices : NoServices {
    void RunAutoMaxEditor(FrmAutoMax& editor) override { run(editor); }
    std::function<void(FrmAutoMax&)> run;
};

class AutoLimitsFlowTest : public testing::MainWindowTest {
  public:
    AutoLimitsFlowTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        platform.folder =
            std::filesystem::temp_directory_path() / (std::string("pellory-flow-") + info->name());
        std::filesystem::remove_all(platform.folder);
        std::filesystem::create_directories(platform.folder);
    }
    ~AutoLimitsFlowTest() override { std::filesystem::remove_all(platform.folder); }

    void Car() {
        w.Type(w.txtCost, "30000");
        Method("MACRS");
        InService("06/2002");
        PickClass("Automobiles (5)");
    }
};

TEST_F(AutoLimitsFlowTest, AMissingTableAsksForTheYearAndIsNotCreated) {
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption,
              "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
    EXPECT_EQ(w.stbMain.foreColor, kRed);
    EXPECT_FALSE(std::filesystem::exists(platform.folder / "AutoMax.DAT"));
    EXPECT_EQ(LastWrittenYear(), 0);
    EXPECT_TRUE(platform.boxes.empty());
}

// A table that cannot be opened is named once per try; neither advice nor editor follows.
TEST_F(AutoLimitsFlowTest, ATableThatCannotBeOpenedIsOneMessage) {
    std::filesystem::create_directory(platform.folder / "AutoMax.DAT");
    const std::string message = "Can't open file. " + (platform.folder / "AutoMax.DAT").string() +
                                ": It is a folder, not a file";
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption, "");
    EXPECT_EQ(LastWrittenYear(), 0);
    EditorServices editor;
    editor.run = [](FrmAutoMax&) { ADD_FAILURE() << "the editor opened"; };
    w.SetServices(&editor);
    w.mnuTools.entries[1].onClick();
    ASSERT_EQ(platform.boxes.size(), 2U);
    EXPECT_EQ(platform.boxes[0].text, message);
    EXPECT_EQ(platform.boxes[1].text, message);
    EXPECT_FALSE(w.dataFile.IsOpen());
}

TEST_F(AutoLimitsFlowTest, TheToolsEntriesOpenTheEditorOnTheirTableAndCalculateReadsIt) {
    std::ofstream(platform.folder / "AutoMax.DAT", std::ios::binary) << "20023060 4900 2950 1775 ";
    std::string shown;
    EditorServices services;
    services.run = [&](FrmAutoMax& editor) {
        editor.Load();
        shown += editor.txtYear.Text() + ";";
        editor.cmdClose.Click();
    };
    w.SetServices(&services);
    w.mnuTools.entries[2].onClick();
    w.mnuTools.entries[1].onClick();
    EXPECT_EQ(shown, ";2002;");
    EXPECT_FALSE(w.dataFile.IsOpen());
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(Amount(2), 490000);  // the second year's cap from the table
    EXPECT_EQ(w.stbMain.caption, "Method: MACRS-200% DB Luxury Auto");
    EXPECT_FALSE(w.dataFile.IsOpen());
}

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
