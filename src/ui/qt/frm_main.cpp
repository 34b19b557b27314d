#include "ui/qt/frm_main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <exception>
#include <optional>
#include <string>

#include "speechfile/record.h"
#include "ui/common/window_description.h"
#include "ui/qt/edit_entry_dialog.h"
#include "ui/qt/find_window.h"
#include "ui/qt/line_list_view.h"

namespace {

// Qt places widgets in device-independent pixels, 96 to the inch, and scales
// them on high-DPI screens itself.
QRect toPixels(const ui::TwipsRect& twips) {
  const ui::PixelRect r = ui::toPixels(twips, 96);
  return QRect(r.left, r.top, r.width, r.height);
}

QString qtText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

template <typename Widget>
Widget* placed(Widget* widget, const ui::ControlDescription& control) {
  widget->setObjectName(qtText(control.name));
  widget->setGeometry(toPixels(control.place));
  return widget;
}

// The path field's text, as typed, as a path.
std::filesystem::path typedPath(const QLineEdit& box) { return std::filesystem::path(box.text().toStdU16String()); }

// Shows a cursor over the whole program for as long as it lives: the wait
// cursor while nothing else can be done, the busy one while a dialog can.
class OverrideCursor {
 public:
  explicit OverrideCursor(Qt::CursorShape shape = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(shape); }
  ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
  OverrideCursor(const OverrideCursor&) = delete;
  OverrideCursor& operator=(const OverrideCursor&) = delete;
};

// Assistive technology announces the window as a window, not as a plain
// container.
QAccessibleInterface* makeAccessibleWindow(const QString& className, QObject* object) {
  if (className == QLatin1String("frmMain") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);  // owned by QAccessible
  }
  return nullptr;
}

// The one local file a drag carries, exactly: its name's bytes as the
// address encodes them, whether or not they are UTF-8.
std::optional<std::filesystem::path> droppedFile(const QMimeData* data) {
  if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return std::nullopt;
  const QUrl& url = data->urls().front();
  const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  return std::filesystem::path(bytes.toStdString());
}

// Takes a drag of one local file as a copy or a link, never as a move: a
// file manager removes a moved file once the drop is done.
bool acceptFileDrag(QDropEvent* event) {
  if (!droppedFile(event->mimeData())) return false;
  const Qt::DropActions offered = event->possibleActions();
  if (!(offered & (Qt::CopyAction | Qt::LinkAction))) return false;
  event->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
  event->accept();
  return true;
}

// The file types of Save list as, each with the extension a name without
// one is given.
struct SaveType {
  const char* filter;
  const char* extension;
};
constexpr SaveType kSaveTypes[] = {
    {QT_TRANSLATE_NOOP("frmMain", "Text files (*.txt)"), "txt"},
    {QT_TRANSLATE_NOOP("frmMain", "CSV (*.csv)"), "csv"},
    {QT_TRANSLATE_NOOP("frmMain", "JSON Lines (*.json *.jsonl)"), "json"},
};

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent),
      Label1(placed(new QLabel(qtText(ui::kLabel1.text), this), ui::kLabel1)),
      lstWords(placed(new LineListView(session_, this), ui::kLstWords)),
      txtPath(placed(new QLineEdit(qtText(ui::kTxtPath.text), this), ui::kTxtPath)),
      cmdGet(placed(new QPushButton(qtText(ui::kCmdGet.text), this), ui::kCmdGet)),
      findWindow_(new FindWindow(this, lstWords)),
      find_(makeAction(tr("&Find..."), QKeySequence::Find, &frmMain::showFindWindow)),
      findNext_(makeAction(tr("Find next"), QKeySequence::FindNext, &frmMain::findNextLine)),
      findPrevious_(makeAction(tr("Find previous"), QKeySequence::FindPrevious, &frmMain::findPreviousLine)),
      copy_(makeAction(tr("&Copy"), QKeySequence::Copy, &frmMain::copyLine)),
      copyAll_(makeAction(tr("Copy &all lines"), QKeySequence::UnknownKey, &frmMain::copyAllLines)),
      // Ctrl+Shift+S is Save speech file as.
      saveAs_(makeAction(tr("&Save list as..."), QKeySequence::UnknownKey, &frmMain::saveListAs)),
      editEntry_(makeListAction(tr("&Edit text..."), QKeySequence(Qt::Key_F2), &frmMain::editEntry)),
      newEntry_(makeListAction(tr("&New entry..."), QKeySequence(Qt::Key_Insert), &frmMain::newEntry)),
      deleteEntry_(makeListAction(tr("&Delete entry"), QKeySequence(QKeySequence::Delete), &frmMain::deleteEntry)),
      undo_(makeAction(tr("&Undo"), {QKeySequence(QKeySequence::Undo)}, &frmMain::undoEdit)),
      redo_(makeAction(tr("&Redo"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                       &frmMain::redoEdit)),
      saveSpeechFile_(makeAction(tr("Save speech &file"), QKeySequence::Save, &frmMain::saveSpeechFileClick)),
      saveSpeechFileAs_(makeAction(tr("Save speech file &as..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                                   &frmMain::saveSpeechFileAsClick)),
      openList_(makeAction(tr("&Open list..."), QKeySequence::UnknownKey, &frmMain::openList)),
      listMenu_(new QMenu(this)),
      encodingMenu_(new QMenu(tr("&Encoding"), listMenu_)) {
  wireResults();
  static const bool factoryInstalled = (QAccessible::installFactory(makeAccessibleWindow), true);
  (void)factoryInstalled;
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(qtText(ui::kCaption));
  setFixedSize(toPixels(ui::kClientArea).size());

  // The label names the list for assistive technology.
  Label1->setBuddy(lstWords);
  lstWords->setAccessibleName(Label1->text());
  txtPath->setAccessibleName(qtText(texts::text(ui::kPathFieldName)));

  // Enter on the focused button clicks it, as Space does; the button is still
  // not the window's default, so Enter in the path field does nothing.
  cmdGet->setAutoDefault(true);
  cmdGet->setDefault(false);

  // Ctrl+C copies a line while the list has the focus; elsewhere it is the
  // focused control's own, as in the path field.
  copy_->setShortcutContext(Qt::WidgetShortcut);
  removeAction(copy_);
  lstWords->addAction(copy_);
  listMenu_->addActions({copy_, copyAll_});
  listMenu_->addSeparator();
  listMenu_->addActions({editEntry_, newEntry_, deleteEntry_});
  listMenu_->addSeparator();
  listMenu_->addActions({undo_, redo_});
  listMenu_->addSeparator();
  listMenu_->addActions({find_, saveAs_});
  listMenu_->addSeparator();
  listMenu_->addActions({saveSpeechFile_, saveSpeechFileAs_, openList_, compare_});
  listMenu_->addSeparator();
  listMenu_->addMenu(encodingMenu_);
  encodingMenu_->setObjectName(QStringLiteral("encodingMenu"));
  connect(encodingMenu_, &QMenu::aboutToShow, this, &frmMain::fillEncodingMenu);
  lstWords->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lstWords, &LineListView::customContextMenuRequested, this, &frmMain::showListMenu);
  connect(lstWords, &LineListView::currentRowChanged, this, &frmMain::updateActions);
  updateActions();

  // F3 and Shift+F3 find again from either window.
  findWindow_->addActions({find_, findNext_, findPrevious_});
  connect(findWindow_, &FindWindow::findRequested, this, &frmMain::findLine);

  // Folder and file names complete as they are typed.
  auto* completer = new QCompleter(this);
  auto* files = new QFileSystemModel(completer);
  files->setRootPath(QString());
  completer->setModel(files);
  txtPath->setCompleter(completer);

  // A file dropped anywhere on the window is listed; the path field takes
  // dropped text as before but hands a dropped file to the window.
  setAcceptDrops(true);
  txtPath->installEventFilter(this);

  setTabOrder(lstWords, txtPath);
  setTabOrder(txtPath, cmdGet);
  lstWords->setFocus();

  connect(cmdGet, &QPushButton::clicked, this, &frmMain::cmdGet_Click);
}

void frmMain::startWith(const std::filesystem::path& path) {
  offerPath(path);
  getWhenShown_ = true;
}

void frmMain::offerPath(const std::filesystem::path& path) {
  txtPath->setText(QString::fromStdU16String(session_.offerPath(path).u16string()));
}

void frmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!getWhenShown_) return;
  getWhenShown_ = false;
  // After the window is on screen, so that an error box has its parent there.
  QTimer::singleShot(0, this, [this] {
    cmdGet_Click();
    compareAtStart();
  });
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!acceptFileDrag(event)) event->ignore();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
  if (!acceptFileDrag(event)) event->ignore();
}

void frmMain::dropEvent(QDropEvent* event) {
  if (!takeDrop(event)) event->ignore();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPath) {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: return acceptFileDrag(static_cast<QDropEvent*>(event));
      case QEvent::Drop: return takeDrop(static_cast<QDropEvent*>(event));
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool frmMain::takeDrop(QDropEvent* event) {
  // During a Get the path field stays as the Get read it.
  if (session_.getRuns() || !acceptFileDrag(event)) return false;
  // After the drop, so that the file manager is not kept waiting by the
  // question about unsaved changes, the Get or its message box.
  QTimer::singleShot(0, this, [this, path = *droppedFile(event->mimeData())] {
    if (session_.getRuns() || !maySetEntriesAside()) return;
    offerPath(path);
    runGet();
  });
  return true;
}

QAction* frmMain::makeAction(const QString& text, QKeySequence::StandardKey key, void (frmMain::*slot)()) {
  return makeAction(text, QKeySequence::keyBindings(key), slot);
}

QAction* frmMain::makeAction(const QString& text, const QList<QKeySequence>& keys, void (frmMain::*slot)()) {
  auto* action = new QAction(text, this);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

QAction* frmMain::makeListAction(const QString& text, const QKeySequence& key, void (frmMain::*slot)()) {
  auto* action = new QAction(text, this);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetShortcut);
  lstWords->addAction(action);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void frmMain::showFindWindow() { findWindow_->showForTyping(); }

void frmMain::findLine(ui::FindDirection direction) {
  if (!findWindow_->hasText()) return showFindWindow();
  const ui::FindRequest request = findWindow_->request(direction);
  session_.setSearch(request.text, request.matchCase);
  const ui::ViewerSession::Found found = session_.find(direction, lstWords->currentRow());
  if (found.row) lstWords->selectRow(*found.row);
  findWindow_->tell(found.message);
  // F3 in the main window with no line found: the find window comes up to
  // say so.
  if (!found.row && !findWindow_->isVisible()) findWindow_->showForTyping();
}

void frmMain::updateActions() {
  const bool current = lstWords->currentRow().has_value();
  copy_->setEnabled(current);
  copyAll_->setEnabled(session_.rowCount() > 0);
  saveAs_->setEnabled(session_.rowCount() > 0);
  editEntry_->setEnabled(current);
  deleteEntry_->setEnabled(current);
  undo_->setEnabled(session_.canUndo());
  redo_->setEnabled(session_.canRedo());
  // Nothing to save before a Get, a list or an edit has given entries.
  const bool entries = session_.isModified() || (!session_.getRuns() && session_.lines().entries().entryCount() > 0);
  saveSpeechFile_->setEnabled(entries);
  saveSpeechFileAs_->setEnabled(entries);
  compare_->setEnabled(session_.lines().source().has_value());
}

// ---- Editing

void frmMain::editEntry() {
  const std::optional<std::size_t> row = lstWords->currentRow();
  if (!row) return;
  EditEntryDialog dialog(this, session_, row, session_.entryFields(*row), [this, row](const auto& fields) {
    const ui::ViewerSession::EditOutcome outcome = session_.editEntry(*row, fields);
    if (outcome.failure.empty()) lstWords->showEditedRows(outcome.row);
    return outcome.failure;
  });
  dialog.exec();
  // The window takes the keys again, with or without a window manager.
  activateWindow();
  updateActions();
}

void frmMain::newEntry() {
  const std::optional<std::size_t> after = lstWords->currentRow();
  EditEntryDialog dialog(this, session_, std::nullopt, session_.newEntryFields(after),
                         [this, after](const auto& fields) {
                           const ui::ViewerSession::EditOutcome outcome = session_.newEntry(after, fields);
                           if (outcome.failure.empty()) lstWords->showEditedRows(outcome.row);
                           return outcome.failure;
                         });
  dialog.exec();
  // The window takes the keys again, with or without a window manager.
  activateWindow();
  updateActions();
}

void frmMain::deleteEntry() {
  if (const std::optional<std::size_t> row = lstWords->currentRow()) showEdit(session_.deleteEntry(*row));
}

void frmMain::undoEdit() {
  if (session_.canUndo()) showEdit(session_.undo());
}

void frmMain::redoEdit() {
  if (session_.canRedo()) showEdit(session_.redo());
}

void frmMain::showEdit(const ui::ViewerSession::EditOutcome& outcome) {
  if (!outcome.failure.empty()) return tellFailure(outcome.failure);
  lstWords->showEditedRows(outcome.row);
  updateActions();
}

// ---- Saving the speech file

bool frmMain::saveSpeechFile() {
  ui::ViewerSession::SpeechFileSave save;
  {
    const OverrideCursor wait;
    save = session_.saveSpeechFile();
  }
  return tellSave(std::move(save));
}

bool frmMain::saveSpeechFileAs() {
  QFileDialog dialog(this, tr("Save speech file as"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({tr("Speech files (*.mul)"), tr("All files (*)")});
  dialog.setDefaultSuffix(QStringLiteral("mul"));
  const ui::ViewerSession::SaveSuggestion suggestion = session_.speechFileSuggestion();
  if (!suggestion.folder.empty()) dialog.setDirectory(QString::fromStdU16String(suggestion.folder.u16string()));
  dialog.selectFile(QString::fromStdU16String(suggestion.fileName.u16string()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  ui::ViewerSession::SpeechFileSave save;
  {
    const OverrideCursor wait;
    save = session_.saveSpeechFileAs(std::filesystem::path(dialog.selectedFiles().front().toStdU16String()));
  }
  return tellSave(std::move(save));
}

bool frmMain::tellSave(ui::ViewerSession::SpeechFileSave save) {
  using Result = ui::ViewerSession::SpeechFileSave::Result;
  switch (save.result) {
    case Result::Saved: break;
    case Result::NeedsName: return saveSpeechFileAs();
    case Result::Failed: tellFailure(save.message); return false;
    case Result::ChangedOnDisk: {
      const auto answer = QMessageBox::warning(this, windowTitle(), qtText(save.message),
                                               QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel);
      if (answer != QMessageBox::Save) return false;
      {
        const OverrideCursor wait;
        save = session_.saveSpeechFile(true);
      }
      return tellSave(std::move(save));
    }
  }
  lstWords->viewport()->update();
  updateActions();
  return true;
}

bool frmMain::maySetEntriesAside() {
  if (!session_.isModified()) return true;
  QMessageBox question(QMessageBox::Warning, windowTitle(), qtText(session_.unsavedChangesQuestion()),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  question.setObjectName(QStringLiteral("unsavedChanges"));
  question.setDefaultButton(QMessageBox::Save);
  switch (question.exec()) {
    case QMessageBox::Save: return saveSpeechFile();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

void frmMain::openList() {
  if (session_.getRuns() || !maySetEntriesAside()) return;
  const QString name = QFileDialog::getOpenFileName(this, tr("Open list"), QString(),
                                                    tr("Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)"));
  if (name.isEmpty()) return;
  std::optional<std::string> failure;
  {
    const OverrideCursor wait;
    failure = session_.openList(std::filesystem::path(name.toStdU16String()));
  }
  if (failure) return tellFailure(*failure);
  lstWords->showRows();
  updateActions();
}

void frmMain::showListMenu(const QPoint& at) { listMenu_->exec(lstWords->viewport()->mapToGlobal(at)); }

void frmMain::fillEncodingMenu() {
  encodingMenu_->clear();
  auto* group = new QActionGroup(encodingMenu_);  // owned by the menu; its actions are checked one at a time
  for (const ui::EncodingMenuItem& item : ui::encodingMenu(session_.encodingChoice())) {
    QAction* action = encodingMenu_->addAction(qtText(item.text));
    action->setCheckable(true);
    action->setChecked(item.checked);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, choice = item.encoding] { chooseEncoding(choice); });
    if (!item.encoding) encodingMenu_->addSeparator();
  }
}

void frmMain::chooseEncoding(std::optional<runtime::Encoding> choice) {
  if (const std::optional<std::string> failure = session_.setEncoding(choice)) return tellFailure(*failure);
  // The same rows, current line and scroll position, with their new texts.
  lstWords->showTextsAgain();
  showResultsAgain();
}

void frmMain::copyLine() {
  if (const auto row = lstWords->currentRow()) QGuiApplication::clipboard()->setText(lstWords->shownLine(*row));
}

void frmMain::copyAllLines() {
  std::string failure;
  {
    const OverrideCursor wait;
    ui::TextOutcome all = session_.allShownLines("\n");
    failure = std::move(all.failure);
    if (failure.empty()) {
      try {
        QGuiApplication::clipboard()->setText(qtText(all.text));
      } catch (const std::bad_alloc&) {
        failure = texts::text(ui::kNoMemoryToCopy);
      }
    }
  }
  if (!failure.empty()) tellFailure(failure);
}

void frmMain::saveListAs() {
  QFileDialog dialog(this, tr("Save list as"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const SaveType& type : kSaveTypes) filters << tr(type.filter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QLatin1String(kSaveTypes[0].extension));
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
    const auto index = filters.indexOf(filter);
    if (index >= 0) dialog.setDefaultSuffix(QLatin1String(kSaveTypes[index].extension));
  });
  // Beside the speech file, named after it.
  const ui::ViewerSession::SaveSuggestion suggestion = session_.saveSuggestion();
  if (!suggestion.folder.empty()) dialog.setDirectory(QString::fromStdU16String(suggestion.folder.u16string()));
  dialog.selectFile(QString::fromStdU16String(suggestion.fileName.u16string()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  saveListTo(dialog.selectedFiles().front());
}

void frmMain::saveListTo(const QString& fileName) {
  std::optional<std::string> failure;
  {
    const OverrideCursor wait;
    failure = session_.saveListAs(std::filesystem::path(fileName.toStdU16String()));
  }
  if (failure) tellFailure(*failure);
}

void frmMain::tellFailure(const std::string& message) { QMessageBox::critical(this, windowTitle(), qtText(message)); }

std::int16_t frmMain::MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const { return speechfile::MAKEWORD(bLo, bHi); }

void frmMain::cmdGet_Click() {
  // One Get at a time: a click while one runs, whatever sends it (assistive
  // technology's press, a drop, the start path), does nothing.
  if (session_.getRuns() || !maySetEntriesAside()) return;
  runGet();
}

void frmMain::runGet() {
  if (session_.getRuns()) return;
  // The list is emptied at once, and reads nothing while the Get fills it.
  lstWords->showNoRows();
  forgetResults();
  bool ended = false;
  {
    const OverrideCursor wait;
    ended = !session_.startGet(typedPath(*txtPath)) || session_.waitForGet(ui::kGetShowsProgressAfter);
  }
  if (!ended) showGetProgress();
  const std::optional<std::string> failure = session_.endGet();
  // The lines read before an error stay listed.
  lstWords->showRows();
  updateActions();
  if (failure && session_.getWasStopped()) {
    QMessageBox::information(this, windowTitle(), qtText(*failure));
  } else if (failure) {
    tellFailure(*failure);
  }
  offerUtf8();
}

void frmMain::offerUtf8() {
  const std::optional<std::string> question = session_.utf8Question();
  if (!question) return;
  const bool yes = QMessageBox::question(this, windowTitle(), qtText(*question)) == QMessageBox::Yes;
  if (const std::optional<std::string> failure = session_.answerUtf8Question(yes)) return tellFailure(*failure);
  if (yes) lstWords->showTextsAgain();
}

void frmMain::showGetProgress() {
  const auto progressText = [this] {
    return ui::getProgressText(session_.getProgress(), std::filesystem::path(txtPath->text().toStdU16String()));
  };
  // The window paints and takes no input of its own until the Get has
  // ended, yet it can be closed: a modal dialog would hold its close back.
  const QPointer<QWidget> focus = QApplication::focusWidget();
  setEnabled(false);
  QProgressDialog progress(qtText(progressText().text), tr("Cancel"), 0, ui::kProgressSteps, this);
  progress.setEnabled(true);  // a window of its own, over one that takes no input
  progress.setWindowTitle(windowTitle());
  progress.setObjectName(QStringLiteral("getProgress"));
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  QEventLoop untilTheGetEnds;
  QTimer poll;
  connect(&poll, &QTimer::timeout, &progress, [&] {
    if (session_.waitForGet(std::chrono::milliseconds(0))) {
      untilTheGetEnds.quit();
      return;
    }
    if (progress.wasCanceled()) return;
    const ui::GetProgressText now = progressText();
    progress.setLabelText(qtText(now.text));
    progress.setMaximum(now.step ? ui::kProgressSteps : 0);  // no size known: a busy bar
    if (now.step) progress.setValue(*now.step);
  });
  // Cancel, or Escape: the Get stops at its next entry.
  connect(&progress, &QProgressDialog::canceled, this, [this] { session_.stopGet(); });
  poll.start(50);
  const OverrideCursor busy(Qt::BusyCursor);
  progress.show();
  untilTheGetEnds.exec();
  setEnabled(true);
  if (focus) focus->setFocus();
}

void frmMain::closeEvent(QCloseEvent* event) {
  // Closing the window during a Get ends the Get, and the program with it:
  // nothing it read is kept, so there is nothing to ask about.
  if (session_.getRuns()) {
    session_.abandonGet();
  } else if (!maySetEntriesAside()) {
    return event->ignore();
  }
  // And a compare that runs ends too, saying nothing.
  closing_ = true;
  session_.stopCompare();
  QWidget::closeEvent(event);
}
