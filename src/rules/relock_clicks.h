#pragma once

namespace talvo {

// The double-click timing of a hidden mode's toolbar button. The button remembers its last
// click in whole seconds since midnight (0 = none); a click less than one second after that
// (measured with fractions against the rounded time) locks the mode again.
class RelockClicks {
  public:
    // `now`: seconds since midnight, with fractions. True when this click locks the mode.
    bool click(double now);
    long storedSecond() const { return stored_; }

  private:
    long stored_ = 0;
};

}  // namespace talvo
