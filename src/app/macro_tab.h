#pragma once

#include <QComboBox>
#include <QWidget>

#include "app/form_parts.h"

namespace vartel {

// The editing tab "マクロ": recording a new macro, choosing a saved one, editing and running.
class MacroTab : public QWidget {
    Q_OBJECT

  public:
    explicit MacroTab(QWidget* parent = nullptr);

    QLineEdit* initialName;
    QPushButton* startRecording;
    QPushButton* stopRecording;
    QPushButton* save;
    QComboBox* chooser;
    QPushButton* load;
    QPushButton* edit;
    QPushButton* run;
};

}  // namespace vartel
