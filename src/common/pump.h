#pragma once

namespace vartel {

// Lets the user interface handle pending events during a long loop.
class Pump {
  public:
    virtual ~Pump() = default;
    virtual void pump() = 0;
    // The long command's busy period is over: the window stops showing its progress before the
    // command goes on to tell how it ended.
    virtual void busyEnded() {}
};

// Where there is no window to keep alive: the command line, tests, benchmarks.
class NoPump : public Pump {
  public:
    void pump() override {}
};

}  // namespace vartel
