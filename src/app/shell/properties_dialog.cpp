#include "app/shell/properties_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>

#include "app/messages.h"

namespace vartel {
namespace {

QString permissionText(QFileDevice::Permissions permissions) {
    const QFileDevice::Permission bits[] = {
        QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
        QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
        QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther};
    const char letters[] = "rwxrwxrwx";
    QString text;
    for (int i = 0; i < 9; ++i)
        text += permissions.testFlag(bits[i]) ? QLatin1Char(letters[i]) : QLatin1Char('-');
    return text;
}

}  // namespace

PropertiesDialog::PropertiesDialog(const QString& path, QWidget* parent) : QDialog(parent) {
    const QFileInfo file(path);
    setWindowTitle(file.fileName());
    auto* layout = new QFormLayout(this);
    auto* place = new QLabel(file.absoluteFilePath(), this);
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addRow(ui::kPropertiesPath, place);
    layout->addRow(ui::kPropertiesSize,
                   new QLabel(QString::number(file.size()) + ui::kBytes, this));
    layout->addRow(
        ui::kPropertiesModified,
        new QLabel(file.lastModified().toString(QStringLiteral("yyyy/MM/dd H:mm:ss")), this));
    layout->addRow(ui::kPropertiesPermissions,
                   new QLabel(permissionText(file.permissions()), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addRow(buttons);
}

}  // namespace vartel
