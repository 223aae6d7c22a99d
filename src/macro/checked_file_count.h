#pragma once

namespace vartel {

// What the instructions that read the conversion list see.
class CheckedFileCount {
  public:
    virtual ~CheckedFileCount() = default;
    // "ファイル数": the number of checked rows of the conversion list at that moment.
    virtual int checkedFileCount() const = 0;
    // "フォルダ内番号": where the row being converted stands, 1-based, among the checked rows
    // around it that lie in the same folder. A name run on its own is the first of its folder.
    virtual int positionInFolder() const { return 1; }
    // "フォルダ内最大番号": the largest position in folder of the list, that is the row count of
    // its largest folder group.
    virtual int largestFolderGroup() const { return 1; }
};

}  // namespace vartel
