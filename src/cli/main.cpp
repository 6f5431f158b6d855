#include <csignal>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "app/AutoLimitTables.h"
#include "cli/Batch.h"
#include "cli/CalcDriver.h"
#include "cli/CalcOptions.h"
#include "cli/PdfOutput.h"
#include "help/Version.h"
#include "platform/ProgramFolder.h"

int main(int argc, char** argv) {
    using namespace pellory;
    using namespace pellory::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = ParseOptions(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "pellory-calc: " << error->message << "\n" << kUsage;
        return 2;
    }
    const auto& options = std::get<CalcOptions>(parsed);
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "pellory-calc " << VersionNumber(ThisProgramVersion()) << "\n";
        return 0;
    }
    if (options.batch) {
        // A register streams through unsynchronised buffers; a reader that goes away ends it.
        std::ios::sync_with_stdio(false);
        std::signal(SIGPIPE, SIG_IGN);
        return BatchCommand(options, ExecutableFolder(argv[0]), std::cin, std::cout, std::cerr);
    }
    CollectingPlatform platform(options.dataDir ? std::filesystem::path(*options.dataDir)
                                                : ExecutableFolder(argv[0]));
    const CalendarDate today = platform.Today();
    auto entered = EnterOptions(options, today);
    if (const auto* refused = std::get_if<UsageError>(&entered)) {
        std::cerr << "pellory-calc: " << refused->message << "\n";
        return 2;
    }
    const EntryForm& form = std::get<EntryForm>(entered);
    for (const std::string& note : TextsNotKept(form, options)) {
        std::cerr << "pellory-calc: " << note << "\n";
    }
    DataFile dataFile(platform);
    if (options.dataDir) {
        dataFile.UseFolder(*options.dataDir);
    }
    AutoLimitTables limits(dataFile);
    const CalcResult result = Calculate(AssetOf(form), {platform, &limits});
    std::optional<std::string> pdfProblem;
    if (options.pdf) {
        pdfProblem =
            PrintPdf(ReportInputsOf(form, result, today), *options.pdf, platform, argc, argv);
    }
    std::cout << (options.json ? JsonReport(result, platform.messages)
                               : PlainReport(result, platform.messages));
    if (pdfProblem) {
        std::cerr << "pellory-calc: --pdf: " << *pdfProblem << "\n";
        return 1;
    }
    return 0;
}
