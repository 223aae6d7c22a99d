#include "app/shell/desktop_shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifdef VARTEL_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#endif

#include "app/messages.h"
#include "app/qt/qt_text.h"
#include "app/shell/properties_dialog.h"
#include "common/dialogs.h"

namespace vartel {
namespace {

// The file manager's own interface, which most Linux desktops offer; without it the folder is
// opened and the item is not selected.
bool askFileManager(const QString& method, const QString& path) {
#ifdef VARTEL_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                       QStringLiteral("/org/freedesktop/FileManager1"),
                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    return bus.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
#else
    (void)method;
    (void)path;
    return false;
#endif
}

}  // namespace

void DesktopShell::open(const QString& path) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    dialogs_.message(toText(ui::kNotAssociated));
    openFolder(path);
}

void DesktopShell::openFolder(const QString& path) {
    if (askFileManager(QStringLiteral("ShowItems"), path)) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

void DesktopShell::showProperties(const QString& path) {
    if (askFileManager(QStringLiteral("ShowItemProperties"), path)) return;
    PropertiesDialog(path, QApplication::activeWindow()).exec();
}

void DesktopShell::openGuide(const QString& path) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    dialogs_.message(toText(ui::kGuideNotOpened.arg(QDir::toNativeSeparators(path))));
}

}  // namespace vartel
