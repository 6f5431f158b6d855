#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/PdfOutput.h"
#include "platform/ProgramFolder.h"

namespace pellory::cli {

std::optional<std::string> PrintPdf(const ReportInputs& inputs, const std::string& path,
                                    CollectingPlatform& /*platform*/, int& /*argc*/, char** argv) {
    if (auto nothing = NothingToPrint(inputs, path)) {
        return nothing;
    }
    std::string helper = (ExecutableFolder(argv[0]) / kPdfHelper).string();
    argv[0] = helper.data();
    ::execv(helper.c_str(), argv);
    return "the PDF helper " + helper + " cannot be run (" + std::strerror(errno) + "), " + path +
           " not written";
}

}  // namespace pellory::cli
