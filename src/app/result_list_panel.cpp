#include "app/result_list_panel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {

ResultListPanel::ResultListPanel(const QString& extraCaption, const QString& mainCaption,
                                 QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    list = new RowListView(this);
    layout->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    selectAll = new QPushButton(ui::kSelectAll, this);
    check = new QPushButton(ui::kCheck, this);
    uncheck = new QPushButton(ui::kUncheckButton, this);
    extra = new QPushButton(extraCaption, this);
    main = new QPushButton(mainCaption, this);
    for (auto* left : {selectAll, check, uncheck, extra}) buttons->addWidget(left);
    buttons->addStretch(1);
    buttons->addWidget(main);
    layout->addLayout(buttons);

    checkAction = new QAction(ui::kCheck, this);
    uncheckAction = new QAction(ui::kUncheck, this);
    list->addAction(checkAction);
    list->addAction(uncheckAction);
}

}  // namespace vartel
