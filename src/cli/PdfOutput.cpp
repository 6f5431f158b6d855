#include "cli/PdfOutput.h"

#include <QGuiApplication>
#include <cstdlib>

#include "print/qt/PrintSchedule.h"

namespace pellory::cli {

std::optional<std::string> PrintPdf(FrmViewDepr& window, const std::string& path,
                                    const std::vector<Message>& messages, int& argc, char** argv) {
    if (!window.cmdPrint.Usable()) {
        return "no schedule to print (the Print button is disabled), " + path + " not written";
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const QGuiApplication application(argc, argv);
    const std::size_t before = messages.size();
    bool written = false;
    window.printSchedule = [&] { written = PrintToPdf(window, path); };
    window.cmdPrint.Click();
    window.printSchedule = nullptr;
    if (written) {
        return std::nullopt;
    }
    std::string reason = path + " not written";
    for (std::size_t i = before; i < messages.size(); ++i) {
        reason += "; " + messages[i].title + ": " + messages[i].text;
    }
    return reason;
}

}  // namespace pellory::cli
