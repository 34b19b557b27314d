// The main window's part in the lists beside it: Find all in the find
// window, Compare with... and its Differences window, and F7.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include "ui/qt/find_window.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/line_list_view.h"
#include "ui/qt/results_window.h"

namespace {

QString qtText(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

void frmMain::wireResults() {
  differencesWindow_ = new DifferencesWindow(this, lstWords);
  compare_ = new QAction(tr("Compare &with..."), this);
  connect(compare_, &QAction::triggered, this, &frmMain::askWhatToCompareWith);

  // F7 and Shift+F7 step through the differences from either window, and
  // from the find window too.
  nextDifference_ = new QAction(tr("Next difference"), this);
  nextDifference_->setShortcut(QKeySequence(Qt::Key_F7));
  previousDifference_ = new QAction(tr("Previous difference"), this);
  previousDifference_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F7));
  for (QAction* step : {nextDifference_, previousDifference_}) {
    step->setShortcutContext(Qt::WindowShortcut);
    addAction(step);
    differencesWindow_->addAction(step);
    findWindow_->addAction(step);
  }
  connect(nextDifference_, &QAction::triggered, this, [this] { stepDifference(ui::FindDirection::Next); });
  connect(previousDifference_, &QAction::triggered, this, [this] { stepDifference(ui::FindDirection::Previous); });
  differencesWindow_->addActions({find_, findNext_, findPrevious_});

  connect(findWindow_, &FindWindow::findAllRequested, this, &frmMain::findAllLines);
  connect(findWindow_->found(), &ResultsPane::mainRowChosen, this, &frmMain::selectMainRow);
  connect(differencesWindow_->pane(), &ResultsPane::mainRowChosen, this, &frmMain::selectMainRow);
}

void frmMain::forgetResults() {
  // The lists' rows are the listed file's, which a Get replaces.
  findWindow_->found()->showResults(nullptr);
  differencesWindow_->pane()->showResults(nullptr);
}

void frmMain::showResultsAgain() {
  for (ResultsPane* pane : {findWindow_->found(), differencesWindow_->pane()}) pane->list()->viewport()->update();
}

void frmMain::selectMainRow(std::size_t row) {
  if (row < static_cast<std::size_t>(lstWords->rowCount())) lstWords->selectRow(row);
}

void frmMain::findAllLines() {
  const ui::FindRequest request = findWindow_->request(ui::FindDirection::Next);
  session_.setSearch(request.text, request.matchCase);
  std::optional<std::string> failure;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  failure = session_.findAll();
  QGuiApplication::restoreOverrideCursor();
  findWindow_->found()->showResults(&session_.foundLines());
  findWindow_->showFound();
  if (failure) findWindow_->found()->tell(*failure);
}

void frmMain::startComparing(const std::filesystem::path& oldFile, const std::filesystem::path& newFile) {
  startWith(newFile);
  compareWhenShown_ = oldFile;
}

void frmMain::compareAtStart() {
  if (!compareWhenShown_) return;
  const std::filesystem::path oldFile = *compareWhenShown_;
  compareWhenShown_.reset();
  // Only once the new file is listed: a failed Get has said why already.
  if (session_.lines().source() && !session_.getWasStopped()) compareWith(oldFile);
}

void frmMain::askWhatToCompareWith() {
  const ui::ViewerSession::SaveSuggestion beside = session_.saveSuggestion();
  const QString file = QFileDialog::getOpenFileName(this, tr("Compare the listed file with"),
                                                    QString::fromStdU16String(beside.folder.u16string()));
  if (!file.isEmpty()) compareWith(std::filesystem::path(file.toStdU16String()));
}

void frmMain::compareWith(const std::filesystem::path& oldFile) {
  if (const std::optional<std::string> refused = session_.startCompare(oldFile)) return tellFailure(*refused);
  bool ended = false;
  {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ended = session_.waitForCompare(ui::kGetShowsProgressAfter);
    QGuiApplication::restoreOverrideCursor();
  }
  if (!ended) {
    // As a long Get's: the window paints and takes no input of its own.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    setEnabled(false);
    QProgressDialog progress(qtText(session_.compareProgress().text), tr("Cancel"), 0, ui::kProgressSteps, this);
    progress.setEnabled(true);
    progress.setWindowTitle(windowTitle());
    progress.setObjectName(QStringLiteral("compareProgress"));
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop untilTheCompareEnds;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &progress, [&] {
      if (session_.waitForCompare(std::chrono::milliseconds(0))) return untilTheCompareEnds.quit();
      if (progress.wasCanceled()) return;
      const ui::CompareProgressText now = session_.compareProgress();
      progress.setLabelText(qtText(now.text));
      progress.setMaximum(now.step ? ui::kProgressSteps : 0);
      if (now.step) progress.setValue(*now.step);
    });
    connect(&progress, &QProgressDialog::canceled, this, [this] { session_.stopCompare(); });
    poll.start(50);
    progress.show();
    untilTheCompareEnds.exec();
    setEnabled(true);
    if (focus) focus->setFocus();
  }
  const std::optional<std::string> failure = session_.endCompare();
  if (closing_) return;
  // The differences the pane shows are the session's now, whatever came of it.
  differencesWindow_->pane()->showResults(session_.differences());
  if (failure) return tellFailure(*failure);
  differencesWindow_->showBeside();
  // As a difftool opens: at the first difference.
  if (session_.differences()->size() > 0) differencesWindow_->pane()->select(0);
}

void frmMain::stepDifference(ui::FindDirection direction) {
  const ui::DifferenceList* differences = session_.differences();
  if (!differences) return;
  ResultsPane* pane = differencesWindow_->pane();
  const ui::DifferenceList::Step step = differences->step(direction, pane->current(), lstWords->currentRow());
  if (!differencesWindow_->isVisible()) differencesWindow_->showBeside();
  if (step.index) {
    pane->select(*step.index);
  } else {
    pane->tell(step.message);
  }
}
