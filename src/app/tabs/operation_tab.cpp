#include "app/tabs/operation_tab.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/tabs/form_parts.h"

namespace vartel {

void OperationTab::finish(QVBoxLayout* layout) {
    layout->addStretch(1);
    auto* preview = button(ui::kPreviewButton, ui::kPreviewHint, this);
    layout->addWidget(preview);
    connect(preview, &QPushButton::clicked, this, &OperationTab::previewRequested);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::returnPressed, this, &OperationTab::previewRequested);
}

}  // namespace vartel
