#pragma once

namespace vartel {

// Lets the user interface handle pending events during a long loop.
class Pump {
  public:
    virtual ~Pump() = default;
    virtual void pump() = 0;
};

// Where there is no window to keep alive: the command line, tests, benchmarks.
class NoPump : public Pump {
  public:
    void pump() override {}
};

}  // namespace vartel
