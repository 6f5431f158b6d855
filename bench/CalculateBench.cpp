// One Calculate of the main window model, as the user's click runs it: the grid cleared and
// re-headed, the inputs checked, every recovery year computed and entered.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/FrmViewDepr.h"

namespace pellory {
namespace {

// No boxes are expected; the clock and the program folder are fixed.
class BenchPlatform : public Platform {
  public:
    explicit BenchPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
    MsgAnswer MsgBox(const std::string& /*text*/, MsgButtons /*buttons*/, MsgIcon /*icon*/,
                     const std::string& /*title*/) override {
        ++boxes;
        return MsgAnswer::Ok;
    }
    void Beep() override {}
    CalendarDate Today() const override { return {2002, 6, 15}; }
    std::filesystem::path ProgramFolder() const override { return folder_; }
    int boxes = 0;

  private:
    std::filesystem::path folder_;
};

// A program folder of its own with the ordinary limit table.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = std::filesystem::temp_directory_path() / "pellory-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
        std::ofstream(path_ / "AutoMax.DAT", std::ios::binary)
            << "20013060 4900 2950 1775 20023060 4900 2950 1775 ";
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

void Pick(ComboBox& list, const std::string& text) {
    list.DropDown();
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.Items()[static_cast<std::size_t>(i)].text == text) {
            list.SetListIndex(i);
            return;
        }
    }
    std::abort();
}

struct Schedule {
    const char* method;
    const char* life;  // typed, or empty
    const char* assetClass;
    const char* inService;
    const char* cost;
};

void RunCalculate(benchmark::State& state, const Schedule& schedule, int expectedRows) {
    const BenchFolder folder;
    BenchPlatform platform(folder.Path());
    FrmViewDepr w(platform);
    w.Load();
    w.Type(w.txtCost, schedule.cost);
    Pick(w.cboMethod, schedule.method);
    w.txtInService.SetText(w.txtInService.EmptyText());
    w.Type(w.txtInService, schedule.inService);
    if (*schedule.life != '\0') {
        w.Type(w.cboLife, schedule.life);
    }
    if (*schedule.assetClass != '\0') {
        Pick(w.cboClass, schedule.assetClass);
    }
    for (auto _ : state) {
        w.Calculate();
        benchmark::DoNotOptimize(w.Result().rows.size());
    }
    const auto rows = static_cast<int>(w.Result().rows.size());
    if (rows != expectedRows || platform.boxes != 0) {
        state.SkipWithError("the schedule is not the one meant");
    }
    state.counters["rows"] = rows;
}

void StraightLine43Years(benchmark::State& state) {
    // In service in July: half a year first and last, 42 full years between.
    RunCalculate(state, {"Straight Line", "43", "", "07/2002", "100000"}, 44);
}
BENCHMARK(StraightLine43Years);

void MacrsNonresidential39Years(benchmark::State& state) {
    RunCalculate(state, {"MACRS", "39", "", "01/2002", "100000"}, 40);
}
BENCHMARK(MacrsNonresidential39Years);

void LuxuryAuto(benchmark::State& state) {
    // The table is opened, searched and closed at every Calculate.
    RunCalculate(state, {"MACRS", "", "Automobiles (5)", "06/2002", "30000"}, 14);
}
BENCHMARK(LuxuryAuto);

}  // namespace
}  // namespace pellory
