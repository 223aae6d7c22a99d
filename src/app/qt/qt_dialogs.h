#pragma once

#include <QPointer>
#include <QWidget>

#include "common/dialogs.h"

namespace vartel {

// The dialogs of the core as modal boxes. A box belongs to the window that asked, the one the
// user is working in: the macro editor's boxes stay over the editor and it is on top again
// when they close. With none of the program's windows active (a drop from another program),
// the box belongs to the main window.
class QtDialogs : public Dialogs {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const Text& text) override;
    void warning(const Text& text) override;
    void error(const Text& text) override;
    Answer confirm(const Text& text, bool withCancel) override;
    Answer confirmOrLater(const Text& text) override;
    std::optional<Text> askText(const Text& caption, const Text& prompt) override;
    std::optional<std::string> openFile(const Text& filter) override;
    std::optional<std::string> saveFile(const Text& filter, const Text& defaultExtension) override;
    std::optional<std::string> saveFileIn(const std::string& folder, const Text& filter,
                                          const Text& defaultExtension) override;

  private:
    QWidget* owner() const;
    // A question with はい and いいえ, and a third answer where one is given, which Esc and
    // closing the box give too; without one they give いいえ.
    Answer ask(const Text& text, const QString& third);

    QPointer<QWidget> parent_;
};

// A filter as the core writes it, "caption|pattern[|caption|pattern...]", as the file dialog
// shows it: the caption as it stands, the patterns after it in brackets where the caption does
// not show them already.
QString qtFileFilter(const Text& filter);

// The chosen name with the default extension added when the user typed none.
QString withDefaultExtension(const QString& path, const Text& defaultExtension);

}  // namespace vartel
