#include "cli/PdfOutput.h"

#include <QGuiApplication>
#include <cstdlib>

#include "print/qt/PrintSchedule.h"

namespace pellory::cli {

namespace {

// A window whose printer is a PDF file.
class PdfServices : public NoServices {
  public:
    PdfServices(std::string path, Platform& platform)
        : path_(std::move(path)), platform_(platform) {}
    bool HasDefaultPrinter() override { return true; }
    void PrintSchedule(const ReportSource& inputs) override {
        written = PrintToPdf(inputs, path_, platform_);
    }
    bool written = false;

  private:
    std::string path_;
    Platform& platform_;
};

}  // namespace

std::optional<std::string> PrintPdf(FrmViewDepr& window, const std::string& path,
                                    const std::vector<Message>& messages, int& argc, char** argv) {
    if (auto nothing = NothingToPrint(window, path)) {
        return nothing;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const QGuiApplication application(argc, argv);
    const std::size_t before = messages.size();
    PdfServices pdf(path, window.platform());
    window.SetServices(&pdf);
    window.cmdPrint.Click();
    window.SetServices(nullptr);
    if (pdf.written) {
        return std::nullopt;
    }
    std::string reason = path + " not written";
    for (std::size_t i = before; i < messages.size(); ++i) {
        reason += "; " + messages[i].title + ": " + messages[i].text;
    }
    return reason;
}

}  // namespace pellory::cli
