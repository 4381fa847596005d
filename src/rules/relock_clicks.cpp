#include "rules/relock_clicks.h"

#include <cmath>

namespace talvo {

bool RelockClicks::click(double now) {
    if (stored_ == 0 || now - static_cast<double>(stored_) >= 1.0) {
        stored_ = std::lround(now);
        return false;
    }
    stored_ = 0;
    return true;
}

}  // namespace talvo
