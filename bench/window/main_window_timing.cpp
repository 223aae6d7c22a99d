// Times the main window with a hundred thousand rows, offscreen and end to end: the walk that
// adds them, a preview of all of them, the return to the list, scrolling the list, and a check
// box of the preview clicked, which plans the batch again; each step includes the repaint of
// the window.
#include <QApplication>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/lists/conversion_list_view.h"
#include "app/lists/result_list_panel.h"
#include "app/main/program.h"
#include "workspace/execution.h"

namespace {

namespace fs = std::filesystem;

// Answers nothing and shows nothing: the timings are of the lists, not of boxes.
class SilentDialogs : public vartel::Dialogs {
  public:
    void message(const vartel::Text&) override {}
    void error(const vartel::Text&) override {}
    vartel::Answer confirm(const vartel::Text&, bool) override { return vartel::Answer::No; }
    std::optional<vartel::Text> askText(const vartel::Text&, const vartel::Text&) override {
        return {};
    }
    std::optional<std::string> openFile(const vartel::Text&) override { return {}; }
    std::optional<std::string> saveFile(const vartel::Text&, const vartel::Text&) override {
        return {};
    }
};

template <typename Step>
double seconds(Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int files = argc > 1 ? std::stoi(argv[1]) : 100000;
    const fs::path root =
        fs::temp_directory_path() / ("vartel-window-timing-" + std::to_string(::getpid()));
    for (int i = 0; i < files; ++i) {
        const fs::path folder = root / ("folder" + std::to_string(i / 1000));
        if (i % 1000 == 0) fs::create_directories(folder);
        // No extension: an empty macro then proposes a new name for every row.
        std::ofstream(folder / ("photo_of_the_summer_holiday_" + std::to_string(i))) << 'x';
    }

    SilentDialogs dialogs;
    vartel::SystemClock clock;
    vartel::Program program(dialogs, clock);
    vartel::MainWindow& window = program.window;
    vartel::Workspace& workspace = program.workspace;
    window.show();
    QApplication::processEvents();

    const auto settle = [&] {
        QApplication::processEvents();
        window.repaint();
    };
    const double add = seconds([&] {
        window.addPaths({QString::fromStdString(root.string())});
        settle();
    });
    const double preview = seconds([&] {
        program.controller.runMacro();
        settle();
    });
    const std::size_t previewRows = workspace.previewList().size();
    const double back = seconds([&] {
        program.controller.runOnList(vartel::returnToConversionList);
        settle();
    });
    QScrollBar* bar = window.conversionList()->verticalScrollBar();
    const int frames = 200;
    const double scroll = seconds([&] {
        for (int i = 0; i < frames; ++i) {
            bar->setValue(bar->maximum() * i / frames);
            window.conversionList()->viewport()->repaint();
        }
    });

    vartel::AddTextSettings prefix;
    prefix.text = U"x_";
    const double addText = seconds([&] {
        program.controller.preview(prefix);
        settle();
    });
    // The way a click on a row's check box takes: the plan of the whole preview is made again.
    QAbstractItemModel* previewModel = window.previewPanel()->list()->model();
    const double uncheck = seconds([&] {
        previewModel->setData(previewModel->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        settle();
    });
    std::printf("rows                      %d\n", files);
    std::printf("add the tree              %.3f s\n", add);
    std::printf("preview of %zu rows    %.3f s\n", previewRows, preview);
    std::printf("return to the list        %.3f s\n", back);
    std::printf("preview of the tab 追加   %.3f s\n", addText);
    std::printf("scroll, one frame         %.2f ms\n", scroll * 1000 / frames);
    std::printf("uncheck one preview row   %.3f s\n", uncheck);
    fs::remove_all(root);
    return 0;
}
