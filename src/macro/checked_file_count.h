#pragma once

namespace vartel {

// What "ファイル数" reads: the number of checked rows of the conversion list at that moment.
class CheckedFileCount {
  public:
    virtual ~CheckedFileCount() = default;
    virtual int checkedFileCount() const = 0;
};

}  // namespace vartel
