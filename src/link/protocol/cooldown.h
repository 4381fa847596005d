#pragma once

namespace talvo::link {

// The pause after a successful transfer before the read and write commands come back:
// started when the success message is dismissed, it runs out on the 12th tick of 100 ms.
class Cooldown {
  public:
    static constexpr int kTickMs = 100;
    static constexpr int kTicks = 12;

    void start() { running_ = true; }
    bool running() const { return running_; }
    int ticks() const { return ticks_; }

    // One timer tick; true on the tick that ends the pause (the commands are enabled then).
    bool tick() {
        if (!running_) return false;
        if (++ticks_ < kTicks) return false;
        ticks_ = 0;
        running_ = false;
        return true;
    }

  private:
    bool running_ = false;
    int ticks_ = 0;
};

}  // namespace talvo::link
