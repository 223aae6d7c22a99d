// Times the main window offscreen and end to end, as the user meets it: each long command (the
// walk of a dropped tree, a preview of every row, the return to the list, execution and undo)
// with its total time and the longest stretch in which the window could not draw or take a
// click, the time from a click on "中止" to the command having stopped, a sort by a click on a
// column header, scrolling, and a check box of the preview clicked.
//
//   vartel_window_timing [FILES]       makes a tree of FILES files (100000) and removes it after
//   vartel_window_timing --tree DIR    uses a tree that exists (files of one byte or more); its
//                                      files are renamed and renamed back
//
// The journal goes to a folder of its own under the temporary folder, removed at the end.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/lists/conversion_list_view.h"
#include "app/lists/result_list_panel.h"
#include "app/main/adding_box.h"
#include "app/main/program.h"
#include "app/main/progress_box.h"
#include "workspace/execution/execute.h"
#include "workspace/lists/list_editing.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

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

// A timer due every few milliseconds runs only when the window handles its events; the longest
// time between two of its turns is the longest the window stood still.
class StillnessWatch {
  public:
    StillnessWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { turn(); });
        timer_.start();
    }
    void restart() {
        last_ = Clock::now();
        longest_ = 0;
    }
    // The stretch since the last turn counts too: the command may end with one.
    double longest() {
        turn();
        return longest_;
    }

  private:
    void turn() {
        const auto now = Clock::now();
        longest_ = std::max(longest_, millisecondsBetween(last_, now));
        last_ = now;
    }

    QTimer timer_;
    Clock::time_point last_ = Clock::now();
    double longest_ = 0;
};

struct Timing {
    double total = 0;     // ms, from the click to the window showing the outcome
    double stillest = 0;  // ms, the longest stretch without handling events
};

class Bench {
  public:
    explicit Bench(vartel::Program& program) : program_(program), window_(program.window) {}

    // Runs a command the way a click starts one and waits until its outcome is drawn.
    template <typename Command>
    Timing time(Command command) {
        watch_.restart();
        const auto start = Clock::now();
        command();
        settle();
        Timing timing;
        timing.stillest = watch_.longest();
        timing.total = millisecondsBetween(start, Clock::now());
        return timing;
    }

    // Starts the command and clicks "中止" after the given time, once the box with the button
    // shows; tells how long after the click the command had stopped and the window was live.
    template <typename Command>
    double abortAfter(int milliseconds, Command command) {
        Clock::time_point clicked{};
        // Dies with this call, so a command that ends before the click is never clicked on
        // later, in the step after it.
        QTimer click;
        click.setSingleShot(true);
        QObject::connect(&click, &QTimer::timeout, [&] {
            QAbstractButton* abort = visibleAbortButton();
            if (abort == nullptr) return;
            clicked = Clock::now();
            QTest::mouseClick(abort, Qt::LeftButton);
        });
        click.start(milliseconds);
        command();
        settle();
        if (clicked == Clock::time_point{}) return -1;
        return millisecondsBetween(clicked, Clock::now());
    }

    void settle() {
        QApplication::processEvents();
        window_.repaint();
    }

  private:
    QAbstractButton* visibleAbortButton() {
        for (QWidget* box : {static_cast<QWidget*>(window_.findChild<vartel::ProgressBox*>()),
                             static_cast<QWidget*>(window_.findChild<vartel::AddingBox*>())}) {
            if (box == nullptr || !box->isVisible()) continue;
            if (auto* button = box->findChild<QPushButton*>()) return button;
        }
        return nullptr;
    }

    vartel::Program& program_;
    vartel::MainWindow& window_;
    StillnessWatch watch_;
};

void print(const char* what, const Timing& timing) {
    std::printf("%-34s %9.0f ms   longest still %6.0f ms\n", what, timing.total, timing.stillest);
}

void printAbort(const char* what, double milliseconds) {
    if (milliseconds < 0)
        std::printf("%-34s finished before the click\n", what);
    else
        std::printf("%-34s %9.0f ms after the click\n", what, milliseconds);
}

fs::path makeTree(int files) {
    const fs::path root =
        fs::temp_directory_path() / ("vartel-window-timing-" + std::to_string(::getpid()));
    for (int i = 0; i < files; ++i) {
        const fs::path folder = root / ("folder" + std::to_string(i / 1000));
        if (i % 1000 == 0) fs::create_directories(folder);
        // The walk passes over empty files.
        std::ofstream(folder / ("photo_of_the_summer_holiday_" + std::to_string(i))) << 'x';
    }
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool given = argc > 2 && std::string(argv[1]) == "--tree";
    const fs::path root =
        given ? fs::path(argv[2]) : makeTree(argc > 1 ? std::stoi(argv[1]) : 100000);
    const fs::path state =
        fs::temp_directory_path() / ("vartel-window-timing-state-" + std::to_string(::getpid()));
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);

    SilentDialogs dialogs;
    vartel::SystemClock clock;
    vartel::Program program(dialogs, clock);
    program.startJournal();
    vartel::MainWindow& window = program.window;
    vartel::Workspace& workspace = program.workspace;
    vartel::MainController& controller = program.controller;
    window.show();
    QApplication::processEvents();
    Bench bench(program);

    const QStringList tree{QString::fromStdString(root.string())};
    // Every file gets a new name: the tab 追加 puts two letters before the names.
    vartel::AddTextSettings prefix;
    prefix.text = U"x_";
    const auto previewAll = [&] { controller.preview(prefix); };
    const auto returnAll = [&] { controller.runOnList(vartel::returnToConversionList); };
    const auto execute = [&] { controller.runOnList(vartel::execute); };
    const auto undo = [&] { controller.undoHistory(); };
    const auto clearConversionList = [&] {
        controller.runOnList(vartel::selectAll);
        controller.runOnList(vartel::exclude);
    };

    const double walkAbort = bench.abortAfter(300, [&] { controller.addPaths(tree); });
    clearConversionList();
    const Timing walk = bench.time([&] { controller.addPaths(tree); });
    const std::size_t rows = workspace.conversionList().size();

    QScrollBar* bar = window.conversionList()->verticalScrollBar();
    const int frames = 200;
    double longestFrame = 0;
    const auto scrollStart = Clock::now();
    for (int i = 0; i < frames; ++i) {
        const auto frameStart = Clock::now();
        bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * i / frames));
        window.conversionList()->viewport()->repaint();
        longestFrame = std::max(longestFrame, millisecondsBetween(frameStart, Clock::now()));
    }
    const double scroll = millisecondsBetween(scrollStart, Clock::now()) / frames;
    bar->setValue(0);

    QHeaderView* header = window.conversionList()->horizontalHeader();
    const auto clickHeader = [&](int column) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    const Timing sortByName = bench.time([&] { clickHeader(0); });
    const Timing sortByPath = bench.time([&] { clickHeader(4); });

    const double previewAbort = bench.abortAfter(300, previewAll);
    bench.time(returnAll);
    const Timing preview = bench.time(previewAll);
    const std::size_t previewRows = workspace.previewList().size();

    // A click on the check box of the first preview row: the plan of the batch changes.
    vartel::RowListView* previewList = window.previewPanel()->list();
    const QRect firstCell = previewList->visualRect(previewList->model()->index(0, 0));
    const Timing uncheck = bench.time([&] {
        QTest::mouseClick(
            previewList->viewport(), Qt::LeftButton, {},
            QPoint(firstCell.left() + firstCell.height() / 2, firstCell.center().y()));
    });
    const bool unchecked = !workspace.previewList().empty() && !workspace.previewList()[0].checked;
    // The second click finds the groups of rows the first one made.
    const Timing recheck = bench.time([&] {
        QTest::mouseClick(
            previewList->viewport(), Qt::LeftButton, {},
            QPoint(firstCell.left() + firstCell.height() / 2, firstCell.center().y()));
    });

    const double returnAbort = bench.abortAfter(100, returnAll);
    bench.time(previewAll);
    const Timing back = bench.time(returnAll);
    bench.time(previewAll);

    const Timing executed = bench.time(execute);
    const std::size_t renamed = workspace.historyList().size();
    const Timing undone = bench.time(undo);
    const std::size_t left = workspace.historyList().size();

    bench.time(previewAll);
    const double executeAbort = bench.abortAfter(300, execute);
    bench.time(execute);  // the rest, so that undo has the whole batch to stop in
    const double undoAbort = bench.abortAfter(300, undo);
    bench.time(undo);  // whatever the stopped undo left
    bench.time(returnAll);
    const std::size_t history = workspace.historyList().size();

    std::printf("rows                               %9zu\n", rows);
    print("add the tree", walk);
    printAbort("  stop (中止) of the walk", walkAbort);
    std::printf("%-34s %9.2f ms   longest %.1f ms\n", "scroll, one frame", scroll, longestFrame);
    print("sort by name (header click)", sortByName);
    print("sort by full path (header click)", sortByPath);
    std::printf("preview rows                       %9zu\n", previewRows);
    print("preview (tab 追加)  ", preview);
    printAbort("  stop (中止) of the preview", previewAbort);
    print(unchecked ? "uncheck one preview row" : "click on a row (no check box hit)", uncheck);
    print("check it again", recheck);
    print("return to the list", back);
    printAbort("  stop (中止) of the return", returnAbort);
    std::printf("renamed                            %9zu\n", renamed);
    print("execute", executed);
    printAbort("  stop (中止) of execute", executeAbort);
    std::printf("left in the history after undo     %9zu\n", left);
    print("undo", undone);
    printAbort("  stop (中止) of undo", undoAbort);
    if (history != 0) std::printf("history not empty at the end: %zu rows\n", history);

    if (!given) fs::remove_all(root);
    fs::remove_all(state);
    return 0;
}
