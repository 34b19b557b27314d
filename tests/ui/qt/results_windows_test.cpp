// The lists beside the Qt main window, driven as a user drives them and
// read as assistive technology reads them (offscreen): Compare with... and
// --compare's Differences window with F7, and Find all in the find window.
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/test_files.h"
#include "ui/qt/find_window.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/line_list_view.h"
#include "ui/qt/results_window.h"

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;

namespace {

// What assistive technology reads of a results pane: its count, and its rows.
struct Read {
  QString count;
  QStringList rows;
};

Read readPane(const QWidget* pane) {
  Read read;
  read.count = QAccessible::queryAccessibleInterface(pane->findChild<QLabel*>(QStringLiteral("resultsCount")))
                   ->text(QAccessible::Name);
  auto* view = pane->findChild<QListView*>(QStringLiteral("resultsList"));
  // Read afresh: without a screen reader (offscreen) a view does not tell
  // the interface kept for it that its rows changed, as it does with one.
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(view)));
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
  for (int i = 0; i < list->childCount(); ++i) read.rows << list->child(i)->text(QAccessible::Name);
  return read;
}

// The old file against the new: row 1 changed, "farewell" removed before
// row 3, row 5 added.
const Bytes kOld = concat({record(1, "hail"), record(2, "hello"), record(3, "bank"), record(4, "farewell"),
                           record(5, "guards"), record(7, "buy")});
const Bytes kNew = concat({record(1, "hail"), record(2, "hello there"), record(3, "bank"), record(5, "guards"),
                           record(0x10, "quest"), record(7, "buy")});

}  // namespace

class ResultsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void compareListsTheDifferencesAndF7SelectsEachFromEitherWindow() {
    const TempDir dir;
    const std::string oldPath = dir.write("old.mul", kOld), newPath = dir.write("new.mul", kNew);
    frmMain window;
    window.startComparing(testing_support::pathFromUtf8(oldPath), testing_support::pathFromUtf8(newPath));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* differences = window.findChild<DifferencesWindow*>();
    QTRY_VERIFY(differences->isVisible());
    QCOMPARE(differences->windowTitle(), QStringLiteral("Differences"));
    const Read read = readPane(differences->pane());
    QCOMPARE(read.count, QStringLiteral("Compared with old.mul: 1 removed, 1 added, 1 changed."));
    QCOMPARE(read.rows, (QStringList{QStringLiteral("Changed: ID: 2 Text: hello \u2192 ID: 2 Text: hello there"),
                                     QStringLiteral("Removed: ID: 4 Text: farewell"),
                                     QStringLiteral("Added: ID: 10 Text: quest")}));
    // Beside the main window, not over its list.
    QVERIFY(!differences->frameGeometry().intersects(window.frameGeometry()));

    auto* list = window.findChild<LineListView*>(QStringLiteral("lstWords"));
    auto* rows = differences->pane()->list();
    const struct {
      QWidget* in;
      Qt::KeyboardModifiers modifiers;
      int difference;
      std::size_t mainRow;
      QString says;
    } steps[] = {
        {&window, {}, 1, 3, {}},  // on from the first, current as the window opens; "farewell" stood before row 3
        {differences, {}, 2, 4, {}},
        {differences, {}, 2, 4, QStringLiteral("There is no difference after this one.")},
        {&window, Qt::ShiftModifier, 1, 3, {}},
        {differences, Qt::ShiftModifier, 0, 1, {}},
        {&window, Qt::ShiftModifier, 0, 1, QStringLiteral("There is no difference before this one.")},
    };
    QCOMPARE(rows->currentIndex().row(), 0);
    QCOMPARE(list->currentRow(), std::optional<std::size_t>(1));
    for (const auto& s : steps) {
      s.in->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(s.in));
      QTest::keyClick(s.in, Qt::Key_F7, s.modifiers);
      QCOMPARE(rows->currentIndex().row(), s.difference);
      QCOMPARE(list->currentRow(), std::optional(s.mainRow));
      QCOMPARE(differences->pane()->findChild<QLabel*>(QStringLiteral("resultsStatus"))->text(), s.says);
    }
    // A click on a row selects its line.
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(2, 0)).center());
    QCOMPARE(list->currentRow(), std::optional<std::size_t>(4));

    // Compare with... from the list's menu, against a file that is the same.
    const std::string samePath = dir.write("same.mul", kNew);
    bool dialogAnswered = false;
    // Each from a timer of its own: the dialog comes up within the menu's.
    QTimer answerDialog, answer;
    answerDialog.callOnTimeout([&] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); dialog && !dialogAnswered) {
        dialogAnswered = true;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QString::fromStdString(samePath));
        QTest::keyClick(name, Qt::Key_Return);
      }
    });
    answerDialog.start(20);
    answer.callOnTimeout([&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        menu->close();
        for (QAction* action : menu->actions()) {
          if (action->text() == QStringLiteral("Compare &with...")) action->trigger();
        }
      }
    });
    answer.start(20);
    const QPoint at = list->rowRect(1).center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    QTRY_VERIFY(dialogAnswered);
    answer.stop();
    QCOMPARE(readPane(differences->pane()).count,
             QStringLiteral("Compared with same.mul: the files hold the same entries."));
    QVERIFY(readPane(differences->pane()).rows.isEmpty());
  }

  void findAllListsEveryLineThatHoldsTheTextAndSelectsTheOneChosen() {
    const TempDir dir;
    const std::string path = dir.write("new.mul", kNew);
    frmMain window;
    window.startWith(testing_support::pathFromUtf8(path));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = window.findChild<LineListView*>(QStringLiteral("lstWords"));
    QTRY_COMPARE(list->rowCount(), 6);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto* find = window.findChild<FindWindow*>();
    QVERIFY(QTest::qWaitForWindowActive(find));
    auto* pane = find->findChild<ResultsPane*>(QStringLiteral("linesFound"));
    QVERIFY(!pane->isVisible());  // until there is something to list
    const struct {
      QString text;
      QString count;
      QStringList rows;
    } cases[] = {
        {QStringLiteral("a"),
         QStringLiteral("3 lines hold \"a\"."),
         {QStringLiteral("ID: 1 Text: hail"), QStringLiteral("ID: 3 Text: bank"),
          QStringLiteral("ID: 5 Text: guards")}},
        {QStringLiteral("ID: 1"),
         QStringLiteral("2 lines hold \"ID: 1\"."),
         {QStringLiteral("ID: 1 Text: hail"), QStringLiteral("ID: 10 Text: quest")}},
        {QStringLiteral("sell"), QStringLiteral("No line holds \"sell\"."), {}},
    };
    for (const auto& c : cases) {
      find->findChild<QLineEdit*>(QStringLiteral("findText"))->setText(c.text);
      QTest::mouseClick(find->findChild<QPushButton*>(QStringLiteral("findAll")), Qt::LeftButton);
      QVERIFY(pane->isVisible());
      const Read read = readPane(pane);
      QCOMPARE(read.count, c.count);
      QCOMPARE(read.rows, c.rows);
    }
    find->findChild<QLineEdit*>(QStringLiteral("findText"))->setText(QStringLiteral("ID: 1"));
    QTest::mouseClick(find->findChild<QPushButton*>(QStringLiteral("findAll")), Qt::LeftButton);
    QListView* rows = pane->list();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(1, 0)).center());
    QCOMPARE(list->currentRow(), std::optional<std::size_t>(4));
  }
};

QTEST_MAIN(ResultsWindowsTest)
#include "results_windows_test.moc"
