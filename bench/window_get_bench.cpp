// Times the window's Get in-process on Qt's offscreen platform: from the
// click until the list holds every line, with the memory the process gains,
// then scrolling the list to its end and back.
//
// Usage: window_get_bench PATH RUNS
// Prints one line: key=value pairs (medians over RUNS; memory is the largest).
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ui/qt/frm_main.h"
#include "ui/qt/line_list_view.h"

namespace {

// A field of /proc/self/status in KiB (VmRSS, VmHWM).
long statusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return -1;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_get_bench PATH RUNS\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[2]));
  const std::string emptyFile = std::string(argv[1]) + ".empty";
  std::ofstream{emptyFile};
  auto window = std::make_unique<frmMain>();
  window->show();
  app.processEvents();
  window->findChild<QLineEdit*>("txtPath")->setText(QString::fromLocal8Bit(argv[1]));
  auto* button = window->findChild<QPushButton*>("cmdGet");
  auto* list = window->findChild<LineListView*>("lstWords");

  std::vector<double> getMs, scrollMs;
  long growthKiB = 0;
  for (int run = 0; run < runs; ++run) {
    // Start each run from an empty list, so the growth is the lines' alone.
    window->findChild<QLineEdit*>("txtPath")->setText(QString::fromLocal8Bit(emptyFile.c_str()));
    button->click();
    window->findChild<QLineEdit*>("txtPath")->setText(QString::fromLocal8Bit(argv[1]));
    app.processEvents();

    const long before = statusKiB("VmRSS");
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    button->click();
    // Until the lines are on screen: the view lays itself out on the next
    // pass of the event loop.
    QApplication::processEvents();
    list->viewport()->repaint();
    getMs.push_back(timer.nsecsElapsed() / 1e6);
    growthKiB = std::max(growthKiB, statusKiB("VmHWM") - before);

    timer.restart();
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QApplication::processEvents();
    list->viewport()->repaint();
    list->verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    list->viewport()->repaint();
    scrollMs.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::printf("rows=%d get_ms=%.1f scroll_ms=%.1f growth_kib=%ld utf16_kib=%d\n", list->rowCount(), median(getMs),
              median(scrollMs), growthKiB, 0);
  return 0;
}
