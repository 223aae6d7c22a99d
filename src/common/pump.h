#pragma once

namespace vartel {

// Lets the user interface handle pending events during a long loop.
class Pump {
public:
    virtual ~Pump() = default;
    virtual void pump() = 0;
};

}  // namespace vartel
