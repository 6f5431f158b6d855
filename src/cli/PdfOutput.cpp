#include "cli/PdfOutput.h"

#include <QGuiApplication>
#include <cstdlib>

#include "print/qt/PrintSchedule.h"

namespace pellory::cli {

std::optional<std::string> PrintPdf(const ReportInputs& inputs, const std::string& path,
                                    CollectingPlatform& platform, int& argc, char** argv) {
    if (auto nothing = NothingToPrint(inputs, path)) {
        return nothing;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const QGuiApplication application(argc, argv);
    const std::vector<Message>& messages = platform.messages;
    const std::size_t before = messages.size();
    if (PrintToPdf([&inputs] { return inputs; }, path, platform)) {
        return std::nullopt;
    }
    std::string reason = path + " not written";
    for (std::size_t i = before; i < messages.size(); ++i) {
        reason += "; " + messages[i].title + ": " + messages[i].text;
    }
    return reason;
}

}  // namespace pellory::cli
