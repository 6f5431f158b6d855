#pragma once

#include <QObject>

namespace pellory::gui {

// For the start-up benchmark only (PELLORY_BENCH_FIRST_PAINT set): at the first paint of the
// main window, prints "first-paint <milliseconds since the process started> VmRSS <kB> kB"
// and ends the program.
class FirstPaintMarker : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool painted_ = false;
};

}  // namespace pellory::gui
