// The viewer's one window: the caption label, the list of speech lines, the
// path field and the Get button, wired to the viewer session, which holds the
// reading state of the Get action, the lines it lists, and what the window
// does with them.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>

#include "ui/common/find_line.h"
#include "ui/common/viewer_session.h"

class DifferencesWindow;
class FindWindow;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class LineListView;

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Combines two bytes into a signed 16-bit value whose pattern is bHi
  // followed by bLo.
  std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const;

  // Puts the path in txtPath and runs Get once the window is shown, as if
  // the user had typed it and clicked Get.
  void startWith(const std::filesystem::path& path);

  // Shows the lines with their texts read in `choice` (none: the system
  // default), from the command line or the list's Encoding menu.
  void chooseEncoding(std::optional<runtime::Encoding> choice);
  // After a Get: asks whether texts that look like UTF-8 are to be shown so.
  void offerUtf8();

  // Lists `newFile` once the window is shown, then opens the Differences
  // window against `oldFile` (speechviewer --compare OLD NEW).
  void startComparing(const std::filesystem::path& oldFile, const std::filesystem::path& newFile);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The Get action: fills lstWords from the file named in txtPath.
  void cmdGet_Click();
  // While a Get runs longer than a moment: how much of the file it has read,
  // in a progress dialog that stops it on Cancel or Escape, while the window
  // takes no input; returns when the Get has ended, or was abandoned because
  // the window closed.
  void showGetProgress();
  // Puts a path given on the command line or by a drop in txtPath.
  void offerPath(const std::filesystem::path& path);
  // A drop of one local file: its path goes to txtPath and Get runs.
  // Returns whether the drop was taken.
  bool takeDrop(QDropEvent* event);
  // Ctrl+F: the find window, in front.
  void showFindWindow();
  // Find next and previous, from the find window or with F3 and Shift+F3:
  // selects the next line that holds the find window's text, after the
  // current line or before it, and the find window says how it went.
  void findLine(ui::FindDirection direction);
  void findNextLine() { findLine(ui::FindDirection::Next); }
  void findPreviousLine() { findLine(ui::FindDirection::Previous); }
  // Ctrl+C in the list: the current line, as shown.
  void copyLine();
  // Every listed line as shown, each ending in a line feed.
  void copyAllLines();
  // Writes the list to a file the user names, in the format its type asks for.
  void saveListAs();
  void saveListTo(const QString& fileName);
  // F2: the current line's entry in the Edit entry window.
  void editEntry();
  // Insert: a new entry after the current line, in the New entry window.
  void newEntry();
  // Delete: removes the current line's entry.
  void deleteEntry();
  void undoEdit();
  void redoEdit();
  // Shows the rows after an edit, the row it gives current, or says why
  // nothing was changed.
  void showEdit(const ui::ViewerSession::EditOutcome& outcome);
  // Ctrl+S: writes the entries over the speech file, asking first when it
  // changed on disk since it was read; true once they are saved.
  bool saveSpeechFile();
  // Ctrl+Shift+S: writes them to a file the user names.
  bool saveSpeechFileAs();
  void saveSpeechFileClick() { saveSpeechFile(); }
  void saveSpeechFileAsClick() { saveSpeechFileAs(); }
  bool tellSave(ui::ViewerSession::SpeechFileSave save);
  // Opens a csv or JSON Lines list as a speech file not yet saved.
  void openList();
  // Before the entries are set aside (a Get, a list opened, the window
  // closed): asks about unsaved changes. True when the caller may go on.
  bool maySetEntriesAside();
  // The Get of txtPath's file, once the entries may go.
  void runGet();
  // The list's context menu, at a point in the list's viewport.
  void showListMenu(const QPoint& at);
  // What can be done now: copy with a current line, copy all and save with lines.
  void updateActions();
  // The Encoding menu's items, the chosen one checked.
  void fillEncodingMenu();
  // Makes an action with a standard shortcut, active in this window.
  QAction* makeAction(const QString& text, QKeySequence::StandardKey key, void (frmMain::*slot)());
  QAction* makeAction(const QString& text, const QList<QKeySequence>& keys, void (frmMain::*slot)());
  // The same for a key the list takes only while it has the focus, as
  // Delete, which the path field keeps for its own text.
  QAction* makeListAction(const QString& text, const QKeySequence& key, void (frmMain::*slot)());
  // A message box over the window, titled with the caption.
  void tellFailure(const std::string& message);

  // ---- Find all and Compare with (frm_main_results.cpp)
  // Makes the actions and windows of the lists beside the main list.
  void wireResults();
  // Empties the lists beside the main list, as a Get starts.
  void forgetResults();
  // Draws their rows again, in another encoding.
  void showResultsAgain();
  // Find all in the find window: every line that holds its text.
  void findAllLines();
  // Compare with...: asks for the file to compare the listed one with.
  void askWhatToCompareWith();
  // Compares the listed file with `oldFile`, showing the progress of a long
  // compare, then the Differences window.
  void compareWith(const std::filesystem::path& oldFile);
  void compareAtStart();
  // F7 and Shift+F7, from either window: the next (previous) difference.
  void stepDifference(ui::FindDirection direction);
  // A row chosen in a results list, made current in the main list.
  void selectMainRow(std::size_t row);

  // The reading state (iSpeechID, bFirst, bSecond, iTextLen, bText,
  // iFileNum, kept between runs), the lines and the last search.
  ui::ViewerSession session_;
  bool getWhenShown_ = false;
  std::optional<std::filesystem::path> compareWhenShown_;  // --compare's OLD
  bool closing_ = false;

  QLabel* Label1;
  LineListView* lstWords;
  QLineEdit* txtPath;
  QPushButton* cmdGet;
  FindWindow* findWindow_;
  QAction* find_;
  QAction* findNext_;
  QAction* findPrevious_;
  QAction* copy_;
  QAction* copyAll_;
  QAction* saveAs_;
  QAction* editEntry_;
  QAction* newEntry_;
  QAction* deleteEntry_;
  QAction* undo_;
  QAction* redo_;
  QAction* saveSpeechFile_;
  QAction* saveSpeechFileAs_;
  QAction* openList_;
  QMenu* listMenu_;
  QMenu* encodingMenu_;
  DifferencesWindow* differencesWindow_ = nullptr;
  QAction* compare_ = nullptr;
  QAction* nextDifference_ = nullptr;
  QAction* previousDifference_ = nullptr;
};
