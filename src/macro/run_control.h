#pragma once

namespace vartel {

// Asked between the lines of a run, so that one long run neither freezes the window nor
// ignores "中止": lets the user interface breathe now and then and tells whether to go on.
class RunControl {
  public:
    virtual ~RunControl() = default;
    virtual bool keepGoing() = 0;
};

}  // namespace vartel
