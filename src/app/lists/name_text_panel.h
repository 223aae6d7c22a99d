#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace vartel {

// The result tab "名前を直接編集": the checked rows' names as plain text, one line per row, for
// the user to edit freely (the editor's own search and replace, a column pasted from a
// spreadsheet); "プレビュー" turns the lines into preview rows, line i for row i.
class NameTextPanel : public QWidget {
    Q_OBJECT

  public:
    explicit NameTextPanel(QWidget* parent = nullptr);

    // Shows these names unless the user edited the text since it was last filled.
    void offerNames(const QStringList& names);
    // Shows these names, whatever was typed.
    void fill(const QStringList& names);
    QStringList lines() const;
    QPlainTextEdit* editor() const { return editor_; }

  signals:
    void previewRequested(const QStringList& lines);
    void loadListRequested();
    // "現在の名前に戻す": the text is to be filled again from the list.
    void refillRequested();

  private:
    QPlainTextEdit* editor_;
};

}  // namespace vartel
