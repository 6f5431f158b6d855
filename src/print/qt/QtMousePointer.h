#pragma once

#include "print/Printer.h"

namespace pellory {

// The hourglass as the application's override cursor, the arrow by taking it away again.
class QtMousePointer : public MousePointer {
  public:
    QtMousePointer() = default;
    ~QtMousePointer() override;
    QtMousePointer(const QtMousePointer&) = delete;
    QtMousePointer& operator=(const QtMousePointer&) = delete;

    void Show(PointerShape shape) override;

  private:
    int overrides_ = 0;  // hourglasses this pointer has put up
};

}  // namespace pellory
