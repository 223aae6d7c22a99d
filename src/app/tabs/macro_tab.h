#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace vartel {

class ActionTable;

// The editing tab "マクロ": recording a new macro, choosing a saved one, editing and running.
class MacroTab : public QWidget {
    Q_OBJECT

  public:
    explicit MacroTab(QWidget* parent = nullptr);

    // Its controls that the recording turns off and on.
    void bindActions(ActionTable& actions);

    // "初期ファイル名".
    QString initialName() const;
    void setInitialName(const QString& name);
    // The titles of the macros of the Data folder; none is chosen.
    void setMacroTitles(const QStringList& titles);

  signals:
    void startRecordingRequested();
    void stopRecordingRequested();
    void saveRequested();
    // A title chosen in the list: the macro at that index.
    void macroChosen(int index);
    void loadRequested();
    void editRequested();
    void runRequested();

  private:
    QLineEdit* initialName_;
    QWidget* startRecording_;
    QWidget* stopRecording_;
    QWidget* save_;
    QComboBox* chooser_;
    QWidget* load_;
    QWidget* edit_;
    QWidget* run_;
};

}  // namespace vartel
