// Times the Qt window in-process on Qt's offscreen platform.
//
//   window_bench get PATH RUNS   the Get, from the click until the list is
//                                painted, with the memory the process gains;
//                                then scrolling the list to its end and back
//   window_bench keys PATH RUNS  each key press in the list (Down, Page Down,
//                                End, Home) and a click on a line, from the
//                                event until the list is painted again
//   window_bench find PATH RUNS [ENCODING [TEXT]]
//                                Find next in the find window for a text that
//                                no line holds (TEXT, UTF-8; an ASCII one by
//                                default): a search over every line (its texts
//                                read in ENCODING), from the click until the
//                                window says so
//   window_bench findall PATH RUNS
//                                Find all in the find window for a text that
//                                every line holds ("ID: "): from the click
//                                until its list of every line is painted
//   window_bench progress PATH RUNS
//                                a Get of a file long to read: from the click
//                                until its progress dialog shows, and from
//                                Cancel (a second later) until the window
//                                answers with its message
//   window_bench encoding PATH RUNS
//                                a change of the texts' encoding (to 932 and
//                                back), from the choice until the list is
//                                painted again
//   window_bench recognition PATH RUNS
//                                the session's Get of a file, with its texts
//                                weighed as UTF-8 as they are read (no
//                                encoding chosen) and, taking turns with it,
//                                without (an encoding chosen)
//   window_bench editing PATH RUNS
//                                an edit of the entry in the middle (OK in
//                                the Edit entry window), an undo (Ctrl+Z),
//                                each until the list is painted, and a save
//                                (Ctrl+S) until the file is written; PATH is
//                                saved over, as the user would
//
// Prints one line of key=value pairs: medians over RUNS (and the slowest of
// each key), memory in KiB (the largest growth).
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "runtime/encoding.h"
#include "ui/common/viewer_session.h"
#include "ui/qt/edit_entry_dialog.h"
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

struct Window {
  frmMain form;
  QLineEdit* path = nullptr;
  QPushButton* get = nullptr;
  QAbstractScrollArea* list = nullptr;

  Window() {
    form.show();
    QApplication::processEvents();
    path = form.findChild<QLineEdit*>("txtPath");
    get = form.findChild<QPushButton*>("cmdGet");
    list = form.findChild<QAbstractScrollArea*>("lstWords");
  }
  // Until the list is on screen: a view lays itself out on the next pass of
  // the event loop, then paints.
  void paint() {
    QApplication::processEvents();
    list->viewport()->repaint();
  }
  double timed(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    paint();
    return timer.nsecsElapsed() / 1e6;
  }
  void getFile(const char* file) {
    path->setText(QString::fromLocal8Bit(file));
    get->click();
  }
};

int benchGet(const char* file, int runs) {
  const std::string emptyFile = std::string(file) + ".empty";
  std::ofstream{emptyFile};
  Window window;
  std::vector<double> getMs, scrollMs;
  long growthKiB = 0;
  for (int run = 0; run < runs; ++run) {
    // Start each run from an empty list, so the growth is the lines' alone.
    window.getFile(emptyFile.c_str());
    window.path->setText(QString::fromLocal8Bit(file));
    window.paint();
    const long before = statusKiB("VmRSS");
    resetPeak();
    getMs.push_back(window.timed([&] { window.get->click(); }));
    growthKiB = std::max(growthKiB, statusKiB("VmHWM") - before);
    QScrollBar* bar = window.list->verticalScrollBar();
    scrollMs.push_back(window.timed([&] { bar->setValue(bar->maximum()); }) + window.timed([&] { bar->setValue(0); }));
  }
  std::printf("get_ms=%.2f scroll_ms=%.2f growth_kib=%ld\n", median(getMs), median(scrollMs), growthKiB);
  return 0;
}

int benchKeys(const char* file, int runs) {
  Window window;
  window.getFile(file);
  window.paint();
  window.list->setFocus();
  const auto press = [&](int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window.list, &down);
    QApplication::sendEvent(window.list, &up);
  };
  const auto click = [&](int y) {
    const QPointF at(40, y);
    QMouseEvent down(QEvent::MouseButtonPress, at, window.list->viewport()->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, at, window.list->viewport()->mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.list->viewport(), &down);
    QApplication::sendEvent(window.list->viewport(), &up);
  };
  const struct {
    const char* name;
    std::function<void(int)> act;
  } actions[] = {
      {"down", [&](int) { press(Qt::Key_Down); }},         {"pagedown", [&](int) { press(Qt::Key_PageDown); }},
      {"end", [&](int) { press(Qt::Key_End); }},           {"home", [&](int) { press(Qt::Key_Home); }},
      {"click", [&](int i) { click(5 + 15 * (i % 10)); }},
  };
  for (const auto& action : actions) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
      // End and Home alternate with the other, so that each press moves.
      if (std::string(action.name) == "end") press(Qt::Key_Home);
      if (std::string(action.name) == "home") press(Qt::Key_End);
      window.paint();
      ms.push_back(window.timed([&] { action.act(i); }));
    }
    std::printf("%s_ms=%.2f %s_max_ms=%.2f ", action.name, median(ms), action.name,
                *std::max_element(ms.begin(), ms.end()));
  }
  std::printf("\n");
  return 0;
}

int benchFind(const char* file, int runs, const char* encoding, const char* needle) {
  Window window;
  window.getFile(file);
  if (encoding) window.form.chooseEncoding(runtime::Encoding::named(encoding));
  window.paint();
  auto* text = window.form.findChild<QLineEdit*>("findText");
  auto* next = window.form.findChild<QPushButton*>("findNext");
  auto* status = window.form.findChild<QLabel*>("findStatus");
  text->setText(needle ? QString::fromUtf8(needle) : QStringLiteral("no line holds this"));
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    status->clear();
    ms.push_back(window.timed([&] { next->click(); }));
    if (status->text().isEmpty()) {
      std::fprintf(stderr, "window_bench: the find window did not say that nothing was found\n");
      return 1;
    }
  }
  std::printf("find_ms=%.2f\n", median(ms));
  return 0;
}

int benchFindAll(const char* file, int runs) {
  Window window;
  window.getFile(file);
  window.paint();
  auto* text = window.form.findChild<QLineEdit*>("findText");
  auto* all = window.form.findChild<QPushButton*>("findAll");
  auto* count = window.form.findChild<QLabel*>("resultsCount");
  auto* found = window.form.findChild<QAbstractScrollArea*>("resultsList");
  text->setText(QStringLiteral("ID: "));
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    all->click();
    QApplication::processEvents();
    found->viewport()->repaint();
    ms.push_back(timer.nsecsElapsed() / 1e6);
  }
  // The count goes to standard error, beside the figures the bench reads.
  std::fprintf(stderr, "%s\n", count->text().toUtf8().constData());
  std::printf("findall_ms=%.2f findall_max_ms=%.2f\n", median(ms), *std::max_element(ms.begin(), ms.end()));
  return 0;
}

int benchProgress(const char* file, int runs) {
  Window window;
  window.path->setText(QString::fromLocal8Bit(file));
  std::vector<double> shown, answered;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer sinceClick, sinceCancel;
    double progressMs = -1, answerMs = -1;
    QTimer watch;
    watch.callOnTimeout([&] {
      QWidget* up = QApplication::activeModalWidget();
      auto* progress = window.form.findChild<QProgressDialog*>(QStringLiteral("getProgress"));
      if (progress && progress->isVisible() && progressMs < 0) {
        progressMs = sinceClick.nsecsElapsed() / 1e6;
        QTimer::singleShot(1000, progress, [&sinceCancel, progress] {
          sinceCancel.start();
          progress->findChild<QPushButton*>()->click();  // as the user does
        });
      } else if (auto* box = qobject_cast<QMessageBox*>(up)) {
        answerMs = sinceCancel.nsecsElapsed() / 1e6;
        box->close();
      }
    });
    watch.start(1);
    sinceClick.start();
    window.get->click();
    shown.push_back(progressMs);
    answered.push_back(answerMs);
  }
  std::printf("progress_ms=%.1f cancel_ms=%.1f\n", median(shown), median(answered));
  return 0;
}

int benchEncoding(const char* file, int runs) {
  Window window;
  window.getFile(file);
  window.paint();
  const auto japanese = runtime::Encoding::fromCodePage(932);
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    ms.push_back(window.timed([&] { window.form.chooseEncoding(japanese); }));
    ms.push_back(window.timed([&] { window.form.chooseEncoding(std::nullopt); }));
  }
  std::printf("encoding_ms=%.2f encoding_max_ms=%.2f\n", median(ms), *std::max_element(ms.begin(), ms.end()));
  return 0;
}

int benchRecognition(const char* file, int runs) {
  const runtime::Encoding westernEuropean = *runtime::Encoding::fromCodePage(1252);
  ui::ViewerSession weighed(westernEuropean);
  ui::ViewerSession unweighed(westernEuropean);
  unweighed.setEncoding(westernEuropean);
  std::vector<double> weighedMs, unweighedMs;
  const auto timedGet = [file](ui::ViewerSession& session) {
    QElapsedTimer clock;
    clock.start();
    session.get(file);
    return clock.nsecsElapsed() / 1e6;
  };
  for (int run = 0; run < runs; ++run) {
    weighedMs.push_back(timedGet(weighed));
    unweighedMs.push_back(timedGet(unweighed));
  }
  std::printf("weighed_ms=%.1f unweighed_ms=%.1f asks=%d\n", median(weighedMs), median(unweighedMs),
              weighed.utf8Question() ? 1 : 0);
  return 0;
}

int benchEditing(const char* file, int runs) {
  Window window;
  window.getFile(file);
  // A long Get's progress window took the focus: the window manager gives
  // it back, here the bench.
  window.form.activateWindow();
  window.paint();
  auto* list = static_cast<LineListView*>(window.list);
  list->setFocus();
  list->selectRow(static_cast<std::size_t>(list->rowCount() / 2));
  window.paint();
  const auto key = [&](const QKeySequence& keys) {
    QKeyEvent down(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
    QKeyEvent up(QEvent::KeyRelease, keys[0].key(), keys[0].keyboardModifiers());
    QApplication::sendEvent(window.list, &down);
    QApplication::sendEvent(window.list, &up);
  };
  std::vector<double> editMs, undoMs, saveMs;
  for (int run = 0; run < runs; ++run) {
    // The edit is timed from OK until the list is painted: not the window
    // coming up, which is the toolkit's.
    QElapsedTimer sinceOk;
    QTimer answer;
    answer.callOnTimeout([&] {
      auto* dialog = qobject_cast<EditEntryDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      answer.stop();
      dialog->findChild<QLineEdit*>(QStringLiteral("text"))->setText(QStringLiteral("edited %1").arg(run));
      sinceOk.start();
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    answer.start(1);
    key(QKeySequence(Qt::Key_F2));
    window.paint();
    editMs.push_back(sinceOk.nsecsElapsed() / 1e6);
    undoMs.push_back(window.timed([&] { key(QKeySequence(QKeySequence::Undo)); }));
    key(QKeySequence(Qt::CTRL | Qt::Key_Y));  // the edit again, to be saved
    window.paint();
    saveMs.push_back(window.timed([&] { key(QKeySequence(QKeySequence::Save)); }));
  }
  std::printf("edit_ms=%.2f edit_max_ms=%.2f undo_ms=%.2f undo_max_ms=%.2f save_ms=%.1f\n", median(editMs),
              *std::max_element(editMs.begin(), editMs.end()), median(undoMs),
              *std::max_element(undoMs.begin(), undoMs.end()), median(saveMs));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: window_bench get|keys|find|findall|encoding|progress|recognition|editing PATH RUNS [ENCODING "
                 "[TEXT]]\n");
    return 2;
  }
  const std::string mode = argv[1];
  const int runs = std::max(1, std::atoi(argv[3]));
  if (mode == "get") return benchGet(argv[2], runs);
  if (mode == "keys") return benchKeys(argv[2], runs);
  if (mode == "find") return benchFind(argv[2], runs, argc > 4 ? argv[4] : nullptr, argc > 5 ? argv[5] : nullptr);
  if (mode == "encoding") return benchEncoding(argv[2], runs);
  if (mode == "findall") return benchFindAll(argv[2], runs);
  if (mode == "progress") return benchProgress(argv[2], runs);
  if (mode == "recognition") return benchRecognition(argv[2], runs);
  if (mode == "editing") return benchEditing(argv[2], runs);
  std::fprintf(
      stderr,
      "usage: window_bench get|keys|find|findall|encoding|progress|recognition|editing PATH RUNS [ENCODING [TEXT]]\n");
  return 2;
}
