#include "app/qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include "app/messages.h"
#include "app/qt/qt_text.h"

namespace vartel {
namespace {

// A box as narrow as a short text ("正常終了") leaves no room in its title bar for the caption
// beside the window manager's buttons, so the caption is cut. The title bar's font may be larger
// and bold, hence the caption's width twice.
void widenForCaption(QMessageBox& box) {
    const int caption = box.fontMetrics().horizontalAdvance(box.windowTitle());
    const int buttons = 6 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(2 * caption + buttons, 0), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void showBox(QMessageBox::Icon icon, const QString& text, QWidget* owner) {
    QMessageBox box(icon, ui::kApplicationTitle, text, QMessageBox::Ok, owner);
    widenForCaption(box);
    box.exec();
}

}  // namespace

QWidget* QtDialogs::owner() const {
    if (QWidget* dialog = QApplication::activeModalWidget()) return dialog;
    if (QWidget* window = QApplication::activeWindow()) return window;
    return parent_;
}

void QtDialogs::message(const Text& text) {
    showBox(QMessageBox::Information, toQString(text), owner());
}

void QtDialogs::warning(const Text& text) {
    showBox(QMessageBox::Warning, toQString(text), owner());
}

void QtDialogs::error(const Text& text) {
    showBox(QMessageBox::Critical, toQString(errorBoxText(text)), owner());
}

Answer QtDialogs::confirm(const Text& text, bool withCancel) {
    return ask(text, withCancel ? ui::kCancel : QString());
}

Answer QtDialogs::confirmOrLater(const Text& text) {
    return ask(text, ui::kLater);
}

Answer QtDialogs::ask(const Text& text, const QString& third) {
    QMessageBox box(QMessageBox::Question, ui::kConfirmCaption, toQString(text),
                    QMessageBox::NoButton, owner());
    widenForCaption(box);
    QPushButton* yes = box.addButton(ui::kYes, QMessageBox::YesRole);
    QPushButton* no = box.addButton(ui::kNo, QMessageBox::NoRole);
    QPushButton* other = third.isEmpty() ? nullptr : box.addButton(third, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(other ? static_cast<QAbstractButton*>(other) : no);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no || !other) return Answer::No;
    return Answer::Cancel;
}

std::optional<Text> QtDialogs::askText(const Text& caption, const Text& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), toQString(caption), toQString(prompt),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return toText(text);
}

std::optional<std::string> QtDialogs::openFile(const Text& filter) {
    const QString path =
        QFileDialog::getOpenFileName(owner(), QString(), QString(), qtFileFilter(filter), nullptr,
                                     QFileDialog::HideNameFilterDetails);
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtDialogs::saveFile(const Text& filter, const Text& defaultExtension) {
    return saveFileIn(std::string(), filter, defaultExtension);
}

std::optional<std::string> QtDialogs::saveFileIn(const std::string& folder, const Text& filter,
                                                 const Text& defaultExtension) {
    // Replacing an existing file is the save's documented behaviour, so no question about it.
    const QString path = QFileDialog::getSaveFileName(
        owner(), QString(), QFile::decodeName(folder.c_str()), qtFileFilter(filter), nullptr,
        QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(withDefaultExtension(path, defaultExtension)).toStdString();
}

QString qtFileFilter(const Text& filter) {
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    if (filters.isEmpty()) filters << ui::kAllFiles;
    return filters.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& path, const Text& defaultExtension) {
    if (defaultExtension.empty() || !QFileInfo(path).suffix().isEmpty()) return path;
    QString extension = toQString(defaultExtension);
    if (!extension.startsWith(QLatin1Char('.'))) extension.prepend(QLatin1Char('.'));
    return path + extension;
}

}  // namespace vartel
