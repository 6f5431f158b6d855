#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/PdfOutput.h"

namespace pellory::cli {

std::optional<std::string> PrintPdf(const ReportInputs& inputs, const std::string& path,
                                    CollectingPlatform& /*platform*/, int& /*argc*/, char** argv) {
    if (auto nothing = NothingToPrint(inputs, path)) {
        return nothing;
    }
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        self = std::filesystem::absolute(argv[0]);
    }
    std::string helper = (self.parent_path() / kPdfHelper).string();
    argv[0] = helper.data();
    ::execv(helper.c_str(), argv);
    return "the PDF helper " + helper + " cannot be run (" + std::strerror(errno) + "), " + path +
           " not written";
}

}  // namespace pellory::cli
