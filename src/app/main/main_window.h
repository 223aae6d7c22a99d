#pragma once

#include <QMainWindow>
#include <vector>

#include "app/main/main_controller.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace vartel {

class AddTab;
class AddingBox;
class ConversionListPanel;
class ConversionListView;
class DeleteTab;
class ExtensionTab;
class FolderPanes;
class NameTextPanel;
class HeaderColumnMenu;
struct KeptColumns;
class MacroResultPanel;
class MacroTab;
class NumberTab;
class OperationTab;
class PastBatchesDialog;
class ProgressBox;
class RecordingBox;
class RenameDialog;
class ReplaceTab;
class ResultListPanel;
class SearchTab;

// The main window: the folder panes, the conversion list, the editing tabs, the result tabs and
// the status bar. It lays them out and hands what the user asks for to the controller; while a
// long command runs, it shows the command's progress over the list.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(MainController& controller, QWidget* parent = nullptr);

    // Files and folders handed over as a drop on the window does.
    void addPaths(const QStringList& paths) { controller_.addPaths(paths); }

    // The regions, for the tests and the screenshot.
    FolderPanes* folderPanes() const { return folderPanes_; }
    QPushButton* folderToggle() const { return folderToggle_; }
    QPushButton* editToggle() const { return editToggle_; }
    ConversionListPanel* conversionPanel() const { return listPanel_; }
    ConversionListView* conversionList() const;
    QTabWidget* editTabs() const { return editTabs_; }
    QTabWidget* resultTabs() const { return resultTabs_; }
    ResultListPanel* previewPanel() const { return previewPanel_; }
    ResultListPanel* historyPanel() const { return historyPanel_; }
    MacroResultPanel* macroPanel() const { return macroPanel_; }
    NameTextPanel* nameTextPanel() const { return nameTextPanel_; }
    AddingBox* addingBox() const { return addingBox_; }
    ProgressBox* progressBox() const { return progressBox_; }
    RecordingBox* recordingBox() const { return recordingBox_; }
    RenameDialog* renameDialog() const { return renameDialog_; }
    QLabel* hitsPanel() const { return hitsPanel_; }
    QLabel* previewCountPanel() const { return previewCountPanel_; }
    QLabel* listCountPanel() const { return listCountPanel_; }
    QLabel* conflictPanel() const { return conflictPanel_; }
    PastBatchesDialog* pastBatchesDialog() const { return pastBatchesDialog_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildRegions();
    QWidget* buildEditTabs(QWidget* parent);
    QWidget* buildResultTabs(QWidget* parent);
    void connectRegions();
    void connectLists();
    void connectTabsAndPanes();
    void connectController();

    void toggleFolderTree();
    void toggleEditTabs();
    // The caption tells the state: the region is shown while the button reads shownCaption.
    void toggleRegion(QPushButton* toggle, QWidget* region, const QString& shownCaption,
                      const QString& hiddenCaption);
    void renameSelected();
    void previewFrom(const OperationTab* tab);
    void showPastBatches();
    void loadPastBatch(const std::string& id);

    void showBusy(bool busy);
    void showProgress();
    void showRecording();
    void refreshLists();
    void refreshStatus();
    void placeBoxes();
    // The lists whose columns the window keeps between runs.
    std::vector<KeptColumns> keptColumns() const;
    bool photoColumnsShown() const;

    MainController& controller_;

    FolderPanes* folderPanes_ = nullptr;
    QPushButton* folderToggle_ = nullptr;
    QPushButton* editToggle_ = nullptr;
    ConversionListPanel* listPanel_ = nullptr;
    HeaderColumnMenu* extraColumns_ = nullptr;
    QTabWidget* editTabs_ = nullptr;
    AddTab* addTab_ = nullptr;
    DeleteTab* deleteTab_ = nullptr;
    ReplaceTab* replaceTab_ = nullptr;
    NumberTab* numberTab_ = nullptr;
    ExtensionTab* extensionTab_ = nullptr;
    MacroTab* macroTab_ = nullptr;
    SearchTab* searchTab_ = nullptr;
    QTabWidget* resultTabs_ = nullptr;
    ResultListPanel* previewPanel_ = nullptr;
    ResultListPanel* historyPanel_ = nullptr;
    MacroResultPanel* macroPanel_ = nullptr;
    NameTextPanel* nameTextPanel_ = nullptr;
    // The status bar's panels, left to right (the conflicts beside the preview's count).
    QLabel* hitsPanel_ = nullptr;
    QLabel* previewCountPanel_ = nullptr;
    QLabel* listCountPanel_ = nullptr;
    QLabel* conflictPanel_ = nullptr;
    AddingBox* addingBox_ = nullptr;
    ProgressBox* progressBox_ = nullptr;
    RecordingBox* recordingBox_ = nullptr;
    RenameDialog* renameDialog_ = nullptr;
    PastBatchesDialog* pastBatchesDialog_ = nullptr;
};

}  // namespace vartel
