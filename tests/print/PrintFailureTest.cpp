#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

using testing::ReportTest;

// A recording printer that raises an error wherever `fails` says so.
class FailingPrinter : public RecordingPrinter {
  public:
    std::function<bool(const PrinterCall&)> fails;
    RuntimeError error{err::kPrinter};

    void SetFontName(const std::string& name) override {
        Check({PrinterCall::Kind::FontName, name, 0.0});
        RecordingPrinter::SetFontName(name);
    }
    void SetFontSize(double points) override {
        Check({PrinterCall::Kind::FontSize, {}, points});
        RecordingPrinter::SetFontSize(points);
    }
    void SetCurrentX(double twips) override {
        Check({PrinterCall::Kind::CurrentX, {}, twips});
        RecordingPrinter::SetCurrentX(twips);
    }
    void SetCurrentY(double twips) override {
        Check({PrinterCall::Kind::CurrentY, {}, twips});
        RecordingPrinter::SetCurrentY(twips);
    }
    void PrintLine(const std::string& text) override {
        Check({PrinterCall::Kind::PrintLine, text, 0.0});
        RecordingPrinter::PrintLine(text);
    }
    void PrintStay(const std::string& text) override {
        Check({PrinterCall::Kind::PrintStay, text, 0.0});
        RecordingPrinter::PrintStay(text);
    }
    void EndDoc() override {
        Check({PrinterCall::Kind::EndDoc, {}, 0.0});
        RecordingPrinter::EndDoc();
    }

  private:
    void Check(const PrinterCall& call) const {
        if (fails && fails(call)) {
            throw error;
        }
    }
};

bool Starts(const PrinterCall& call, const std::string& start) {
    return (call.kind == PrinterCall::Kind::PrintLine ||
            call.kind == PrinterCall::Kind::PrintStay) &&
           call.text.rfind(start, 0) == 0;
}

class PrintFailureTest : public ReportTest {
  protected:
    void PrintOn(FailingPrinter& failing) {
        printedCleanly = PrintGrid(ReportInputsOf(w), failing, pointer, platform);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& box : platform.boxes) {
            out.push_back(box.title + ": " + box.text);
        }
        return out;
    }
};

TEST_F(PrintFailureTest, AFailedItemIsReportedAndTheReportGoesOn) {
    WorkedExample();
    FailingPrinter failing;
    failing.fails = [](const PrinterCall& call) { return Starts(call, "Cost: "); };
    PrintOn(failing);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Print Grid Error: Err: 482[Printer error]"});
    EXPECT_EQ(platform.boxes.front().buttons, MsgButtons::Ok);
    EXPECT_FALSE(printedCleanly);
    bool method = false;
    for (const PrintedText& p : failing.printed) {
        EXPECT_NE(p.text.rfind("Cost: ", 0), 0u);
        method = method || p.text == "Method: MACRS 200% DB";
    }
    EXPECT_TRUE(method);
    EXPECT_EQ(failing.documentsEnded, 1);
    EXPECT_EQ(pointer.shapes.back(), PointerShape::Arrow);
}

TEST_F(PrintFailureTest, AFailedEndOfDocumentStillRestoresThePointer) {
    WorkedExample();
    FailingPrinter failing;
    failing.error = RuntimeError(err::kDeviceIo);
    failing.fails = [](const PrinterCall& call) { return call.kind == PrinterCall::Kind::EndDoc; };
    PrintOn(failing);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Print Grid Error: Err: 57[Device I/O error]"});
    EXPECT_EQ(pointer.shapes,
              (std::vector<PointerShape>{PointerShape::Hourglass, PointerShape::Arrow}));
}

TEST_F(PrintFailureTest, APrinterThatFailsEverythingGivesOneReportPerStepAndNoCrash) {
    WorkedExample();
    FailingPrinter failing;
    failing.fails = [](const PrinterCall&) { return true; };
    PrintOn(failing);
    EXPECT_TRUE(failing.calls.empty());
    ASSERT_GT(platform.boxes.size(), 44u * 3);
    for (const auto& box : platform.boxes) {
        EXPECT_EQ(box.title, "Print Grid Error");
        EXPECT_EQ(box.text, "Err: 482[Printer error]");
    }
    EXPECT_EQ(pointer.shapes.back(), PointerShape::Arrow);
}

TEST_F(PrintFailureTest, AnUnknownConventionLeavesOutItsItemOnly) {
    WorkedExample();
    Print([](ReportInputs& inputs) { inputs.convention = static_cast<AveragingConvention>(7); });
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"Print Grid Error: Err: 9[Subscript out of range]"});
    EXPECT_FALSE(Printed("Convention: "));
    // The empty line after it ends line A, so line B moves up one line; the rest follows.
    EXPECT_DOUBLE_EQ(Text("In Service Date: ").y, Text("Cost: ").y + kBodyLine);
    EXPECT_EQ(Table().size(), 44u);
}

TEST_F(PrintFailureTest, ACostTooLargeToFormatLeavesOutTheCostOnly) {
    WorkedExample();
    w.txtCost.SetText("1e300");
    Print();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Print Grid Error: Err: 6[Overflow]"});
    EXPECT_FALSE(Printed("Cost: "));
    EXPECT_TRUE(Printed("Method: MACRS 200% DB"));
    EXPECT_EQ(printer.documentsEnded, 1);
}

TEST_F(PrintFailureTest, NoPrinterIsReportedByThePrintButton) {
    WorkedExample();
    const bool printed =
        PrintSchedule([&] { return ReportInputsOf(w); },
                      []() -> std::unique_ptr<Printer> {
                          throw RuntimeError(err::kPrinter, "No printer is installed");
                      },
                      pointer, platform);
    EXPECT_FALSE(printed);
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"Printer Error: Err: 482[No printer is installed]"});
    EXPECT_EQ(platform.boxes.front().buttons, MsgButtons::Ok);
    EXPECT_TRUE(pointer.shapes.empty());
}

}  // namespace
}  // namespace pellory
