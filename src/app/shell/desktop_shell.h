#pragma once

#include <QString>

namespace vartel {

class Dialogs;

// What the desktop does with a file: open it, show it in the file manager, show its
// properties.
class DesktopShell {
  public:
    explicit DesktopShell(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Opens the file with its default application; when there is none, says so and shows the
    // file in its folder.
    void open(const QString& path);
    // Opens the file manager at the item, selected.
    void openFolder(const QString& path);
    void showProperties(const QString& path);
    // Opens the user's guide in the browser; when none opens it, says where the guide is.
    void openGuide(const QString& path);

  private:
    Dialogs& dialogs_;
};

}  // namespace vartel
