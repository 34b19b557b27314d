// Drives the window headless (Qt's offscreen platform): its layout, its
// texts and focus, the Get button against files the tests make, opening a
// file from the command line or a drop, finding, copying and saving lines;
// and the program's own arguments.
#include <sys/resource.h>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <utility>

#include "runtime/encoding.h"
#include "support/bad_inputs.h"
#include "support/test_files.h"
#include "ui/qt/edit_entry_dialog.h"
#include "ui/qt/find_window.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/line_list_view.h"
#include "ui/qt/translations.h"
#include "version.h"

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;

// The shown windows of type T.
template <typename T>
QList<T*> shownWindows() {
  QList<T*> shown;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* t = qobject_cast<T*>(window); t && t->isVisible()) shown << t;
  }
  return shown;
}

// Answers each window of type T that comes up while it lives: a dialog or
// a popup menu runs an event loop of its own, so it is answered from a
// timer in that loop.
template <typename T>
class Answering {
 public:
  explicit Answering(std::function<void(T*)> answer) : answer_(std::move(answer)) {
    timer_.callOnTimeout([this] {
      QWidget* up = QApplication::activePopupWidget();
      if (!up) up = QApplication::activeModalWidget();
      if (!qobject_cast<T*>(up) && !shownWindows<T>().isEmpty()) up = shownWindows<T>().front();
      if (auto* window = qobject_cast<T*>(up)) answer_(window);
    });
    timer_.start(5);
  }

 private:
  std::function<void(T*)> answer_;
  QTimer timer_;
};

// Reads every message box that comes up while it lives; answers Yes where
// it asks, closes it otherwise.
struct MessageReader {
  QStringList messages;
  QList<QWidget*> parents;
  Answering<QMessageBox> answering{[this](QMessageBox* box) {
    messages << box->text();
    parents << box->parentWidget();
    if (QAbstractButton* yes = box->button(QMessageBox::Yes))
      yes->click();
    else
      box->close();
  }};
};

class FrmMainTest : public QObject {
  Q_OBJECT

  template <typename T>
  static T* child(const frmMain& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control named %s", name);
    return widget;
  }

  // The lines as assistive technology reads them.
  static QStringList listed(const frmMain& window) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(child<LineListView>(window, "lstWords"));
    QStringList lines;
    for (int row = 0; row < list->childCount(); ++row) lines << list->child(row)->text(QAccessible::Name);
    return lines;
  }

  // Clicks Get. A message box that comes up is read and closed; its text is
  // returned (empty when none came up).
  static QString clickGet(frmMain& window, const QString& path) {
    child<QLineEdit>(window, "txtPath")->setText(path);
    QString message;
    const QObject guard;  // drops the timer below if no box came up
    QTimer::singleShot(0, &guard, [&message] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        message = box->text();
        box->close();
      }
    });
    QTest::mouseClick(child<QPushButton>(window, "cmdGet"), Qt::LeftButton);
    return message;
  }

 private slots:
  // A Get of a file whose texts look like UTF-8 asks, once for the file,
  // whether to show them so; the answer is kept.
  void asksOnceWhetherTextsThatLookLikeUtf8AreShownSo() {
    const runtime::Encoding byDefault = runtime::Encoding::systemDefault();
    if (byDefault.isUtf8()) QSKIP("the system default is UTF-8: nothing is asked");
    const TempDir dir;
    const QString path = QString::fromStdString(dir.write("s.mul", record(1, "caf\xC3\xA9")));
    const QString question = QStringLiteral("The texts of s.mul look like UTF-8, not %1. Show them as UTF-8?")
                                 .arg(QString::fromStdString(byDefault.name()));
    for (const bool yes : {true, false}) {
      frmMain window;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QStringList asked;
      const Answering<QMessageBox> answering([&](QMessageBox* box) {
        asked << box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
      });
      for (int get = 0; get < 2; ++get) {
        child<QLineEdit>(window, "txtPath")->setText(path);
        QTest::mouseClick(child<QPushButton>(window, "cmdGet"), Qt::LeftButton);
      }
      QCOMPARE(asked, QStringList{question});
      QCOMPARE(listed(window), QStringList{yes ? QStringLiteral("ID: 1 Text: caf\u00E9")
                                               : QStringLiteral("ID: 1 Text: caf\u00C3\u00A9")});
    }
  }

  // ---- The user's language

  // Started in a locale, the window speaks its language, Qt's own dialogs
  // and buttons too; in C, or a language the catalogue lacks, English.
  void theWindowSpeaksTheLocalesLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("findTitle");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("toolkitCancel");
    QTest::newRow("German") << "de_DE"
                            << "&Kopieren"
                            << "Suchen"
                            << "Es gibt keine Datei mit diesem Namen."
                            << "Abbrechen";
    QTest::newRow("Japanese") << "ja_JP"
                              << "コピー(&C)"
                              << "検索"
                              << "この名前のファイルはありません。"
                              << "キャンセル";
    QTest::newRow("Russian") << "ru_RU"
                             << "&Копировать"
                             << "Поиск"
                             << "Файла с таким именем нет."
                             << "Отмена";
    QTest::newRow("C") << "C"
                       << "&Copy"
                       << "Find"
                       << "There is no file with this name."
                       << "Cancel";
    QTest::newRow("Dutch, not in the catalogue") << "nl_NL"
                                                 << "&Copy"
                                                 << "Find"
                                                 << "There is no file with this name."
                                                 << "Cancel";
  }

  void theWindowSpeaksTheLocalesLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, copy);
    QFETCH(QString, message);
    const QString expected = message;
    const Translations translations(QLocale(locale), QStringLiteral(SPEECH_QM_DIR));
    const TempDir dir;
    frmMain window;
    window.show();
    QStringList actions;
    for (const QAction* a : window.findChildren<QAction*>()) actions << a->text();
    QVERIFY2(actions.contains(copy), qPrintable(actions.join(QLatin1String(" | "))));
    QTEST(window.findChild<FindWindow*>()->windowTitle(), "findTitle");
    const QString shown = clickGet(window, QString::fromStdString((dir.path() / "missing.mul").string()));
    QVERIFY2(shown.contains(expected), qPrintable(shown));
    QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "toolkitCancel");
    QCOMPARE(window.windowTitle(), QStringLiteral("Speech.mul by Quorrin"));  // the system's own, in every language
  }

  // Through the pseudo-translation (every text a third longer, in brackets)
  // each text of the window and its find window is the catalogue's, and
  // none is cut off; the window's own caption, label, path and Get stay.
  void thePseudoTranslationReachesEveryTextAndNoneIsCutOff() {
    QTranslator pseudo;
    QVERIFY(pseudo.load(QStringLiteral(SPEECH_QM_DIR "/speechviewer_en_XA.qm")));
    QCoreApplication::installTranslator(&pseudo);
    texts::installCatalogue(std::make_shared<QtCatalogue>(QLocale(QLocale::English)));
    const TempDir dir;
    frmMain window;
    window.show();
    for (QAction* a : window.findChildren<QAction*>()) {
      if (a->shortcut() == QKeySequence(QKeySequence::Find)) a->trigger();
    }
    auto* find = window.findChild<FindWindow*>();
    QVERIFY(QTest::qWaitForWindowExposed(find));
    emit window.findChild<QMenu*>(QStringLiteral("encodingMenu"))->aboutToShow();
    const QString message = clickGet(window, QString::fromStdString((dir.path() / "missing.mul").string()));

    const QStringList own = {QStringLiteral("Speech.mul by Quorrin"), QStringLiteral("Speech ID - SpeechText"),
                             QStringLiteral("Get")};
    QStringList outside, cut;
    const auto check = [&](const QString& text, QWidget* widget) {
      if (text.isEmpty() || own.contains(text) || text == QLatin1String("UTF-8")) return;
      if (!text.contains(QLatin1Char('['))) outside << text;
      if (widget && widget->isVisible() && widget->width() < widget->sizeHint().width()) cut << text;
    };
    check(message, nullptr);
    check(find->windowTitle(), nullptr);
    for (QAction* a : window.findChildren<QAction*>()) check(a->text(), nullptr);
    for (QMenu* menu : window.findChildren<QMenu*>()) check(menu->title(), nullptr);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) check(button->text(), button);
    for (QLabel* label : window.findChildren<QLabel*>()) check(label->text(), label);
    for (QWidget* widget : window.findChildren<QWidget*>()) check(widget->accessibleName(), nullptr);
    find->close();
    texts::installCatalogue(nullptr);
    QCoreApplication::removeTranslator(&pseudo);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1String(" | "))));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(" | "))));
  }
  void layoutMatchesTheWindowDescription() {
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Speech.mul by Quorrin"));
    QCOMPARE(window.size(), QSize(313, 401));
    QCOMPARE(window.minimumSize(), window.maximumSize());  // fixed size
    QCOMPARE(child<QLabel>(window, "Label1")->geometry(), QRect(8, 8, 294, 13));
    QCOMPARE(child<LineListView>(window, "lstWords")->geometry(), QRect(8, 24, 297, 303));
    QCOMPARE(child<QLineEdit>(window, "txtPath")->geometry(), QRect(8, 336, 297, 19));
    QCOMPARE(child<QPushButton>(window, "cmdGet")->geometry(), QRect(8, 384, 297, 17));
  }

  void startsWithItsTextsAndFocusOnTheList() {
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(child<QLabel>(window, "Label1")->text(), QStringLiteral("Speech ID - SpeechText"));
    const QString path = child<QLineEdit>(window, "txtPath")->text();
    QCOMPARE(path, QStringLiteral("c:\\program files\\kestrel haven\\speech.mul"));
    QCOMPARE(path.size(), 41);
    QCOMPARE(child<QPushButton>(window, "cmdGet")->text(), QStringLiteral("Get"));
    QVERIFY(listed(window).isEmpty());

    auto* list = child<LineListView>(window, "lstWords");
    auto* field = child<QLineEdit>(window, "txtPath");
    auto* button = child<QPushButton>(window, "cmdGet");
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(child<QLabel>(window, "Label1")->focusPolicy(), Qt::NoFocus);
    QVERIFY(!button->isDefault());
  }

  void enterOnTheFocusedButtonClicksItButNotInThePathField() {
    const TempDir dir;
    frmMain window;
    window.show();
    auto* field = child<QLineEdit>(window, "txtPath");
    field->setText(QString::fromStdString(dir.write("s.mul", record(1, "x"))));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    QVERIFY(listed(window).isEmpty());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      auto* button = child<QPushButton>(window, "cmdGet");
      QSignalSpy clicks(button, &QPushButton::clicked);
      button->setFocus();
      QTest::keyClick(button, key);
      QCOMPARE(clicks.count(), 1);
    }
    QCOMPARE(listed(window), QStringList{QStringLiteral("ID: 1 Text: x")});
  }

  void getListsTheFileNamedInThePathField() {
    const TempDir dir;
    const std::string first =
        dir.write("first.mul", concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "caf\xE9")}));
    const std::string second = dir.write("second.mul", record(7, "seven"));
    frmMain window;
    window.show();
    QCOMPARE(clickGet(window, QString::fromStdString(first)), QString());
    const QStringList expected = {QStringLiteral("ID: 2A Text: hail"), QStringLiteral("ID: 8001 Text: caf\u00E9")};
    QCOMPARE(listed(window), expected);
    clickGet(window, QString::fromStdString(first));
    QCOMPARE(listed(window), expected);  // once, not twice
    clickGet(window, QString::fromStdString(second));
    QCOMPARE(listed(window), QStringList{QStringLiteral("ID: 7 Text: seven")});
  }

  void aFailedOpenEmptiesTheListAndSaysWhy() {
    const TempDir dir;
    frmMain window;
    window.show();
    clickGet(window, QString::fromStdString(dir.write("s.mul", record(1, "x"))));
    QCOMPARE(listed(window).size(), 1);
    const QString missing = QString::fromStdString((dir.path() / "missing.mul").string());
    const QString message = clickGet(window, missing);
    QVERIFY2(message.contains(QStringLiteral("File not found")) && message.contains(missing), qPrintable(message));
    QVERIFY(listed(window).isEmpty());
  }

  void anErrorMidFileKeepsTheLinesBeforeItAndTheWindowGoesOn() {
    const TempDir dir;
    const std::string bad = dir.write("bad.mul", concat({record(1, "one"), record(2, "two"), record(3, 0x8000, "")}));
    const std::string good = dir.write("good.mul", record(4, "four"));
    frmMain window;
    window.show();
    const QString message = clickGet(window, QString::fromStdString(bad));
    QVERIFY2(message.endsWith(QStringLiteral("The entry at byte 14 gives a text length of 0x8000, more than the "
                                             "32,767 bytes an entry can hold. (Overflow, runtime error 6)")),
             qPrintable(message));
    QCOMPARE(listed(window), (QStringList{QStringLiteral("ID: 1 Text: one"), QStringLiteral("ID: 2 Text: two")}));
    QCOMPARE(clickGet(window, QString::fromStdString(good)), QString());
    QCOMPARE(listed(window), QStringList{QStringLiteral("ID: 4 Text: four")});
    QVERIFY(std::filesystem::remove(bad));  // the file was closed
  }

  // Renders the list as it is on screen.
  static QImage listImage(frmMain& window) {
    auto* list = child<LineListView>(window, "lstWords");
    QApplication::processEvents();
    return list->viewport()->grab().toImage();
  }

  void eachControlCharacterDrawsAMarkOfItsOwn() {
    const TempDir dir;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The same line but for one control character: each must look different,
    // and different from the line without it.
    QList<QImage> seen;
    for (const std::string_view text : {std::string_view("ab", 2), std::string_view("a\0b", 3),
                                        std::string_view("a\tb"), std::string_view("a\nb"), std::string_view("a\rb"),
                                        std::string_view("a\x1B"
                                                         "b"),
                                        std::string_view("a\x7F"
                                                         "b"),
                                        std::string_view("a\x81"
                                                         "b")}) {
      clickGet(window, QString::fromStdString(dir.write("s.mul", record(1, text))));
      const QImage image = listImage(window);
      for (const QImage& other : seen) QVERIFY2(image != other, std::string(text).c_str());
      seen << image;
    }
  }

  void everyLineScrollsToItsLastCharacter() {
    const TempDir dir;
    // The widest line is neither the longest in bytes nor in view at first.
    std::vector<Bytes> records;
    for (int i = 0; i < 400; ++i) records.push_back(record(1, std::string(200, 'i')));
    records.push_back(record(2, std::string(150, 'W')));
    records.push_back(record(3, std::string(100, '\xE9')));
    Bytes file;
    for (const Bytes& r : records) file.insert(file.end(), r.begin(), r.end());
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickGet(window, QString::fromStdString(dir.write("s.mul", file)));
    auto* list = child<LineListView>(window, "lstWords");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    listImage(window);
    QApplication::processEvents();
    const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
    const QFontMetricsF metrics(list->font());
    QVERIFY2(reach >= metrics.horizontalAdvance(QStringLiteral("ID: 2 Text: ") + QString(150, QLatin1Char('W'))),
             qPrintable(QString::number(reach)));
  }

  void runningOutOfMemoryKeepsTheLinesBeforeAndTheWindowGoesOn() {
    if (testing_support::kUnderAddressSanitizer)
      QSKIP("the address sanitizer needs more address space than the limit leaves");
    const TempDir dir;
    // 4,000 entries of 32,767 zero bytes (read from holes of a sparse file),
    // about 131 MB: more than the limit below lets the list hold.
    const std::string path = (dir.path() / "big.mul").string();
    constexpr int kEntries = 4000, kRecordSize = 4 + 32767;
    {
      std::ofstream out(path, std::ios::binary);
      for (int i = 0; i < kEntries; ++i) {
        out.seekp(static_cast<std::streamoff>(i) * kRecordSize);
        const Bytes header = record(7, 32767, "");
        out.write(reinterpret_cast<const char*>(header.data()), 4);
      }
      out.seekp(static_cast<std::streamoff>(kEntries) * kRecordSize - 1);
      out.put('\0');
    }
    const std::string small = dir.write("small.mul", record(1, "one"));
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    rlimit before{};
    QVERIFY(::getrlimit(RLIMIT_AS, &before) == 0);
    rlimit limited = before;
    limited.rlim_cur = static_cast<rlim_t>(memoryInUse() + (std::size_t{48} << 20));
    QVERIFY(::setrlimit(RLIMIT_AS, &limited) == 0);
    const QString message = clickGet(window, QString::fromStdString(path));
    const int rows = QAccessible::queryAccessibleInterface(child<LineListView>(window, "lstWords"))->childCount();
    const QString afterwards = clickGet(window, QString::fromStdString(small));
    const QStringList smallLines = listed(window);
    ::setrlimit(RLIMIT_AS, &before);
    QVERIFY2(rows > 0 && rows < kEntries, qPrintable(QString::number(rows)));
    QVERIFY2(message.contains(QStringLiteral("There is not enough memory to list the entry at byte %1; the entries "
                                             "before it are listed. (Out of memory, runtime error 7)")
                                  .arg(static_cast<qint64>(rows) * kRecordSize)),
             qPrintable(message));
    QCOMPARE(afterwards, QString());
    QCOMPARE(smallLines, QStringList{QStringLiteral("ID: 1 Text: one")});
  }

  // Copy all lines needs the lines twice over, as UTF-8 and as the
  // clipboard's text: with room for neither, a message, and the window
  // goes on.
  void runningOutOfMemoryToCopyEveryLineIsSaidNeverACrash() {
    if (testing_support::kUnderAddressSanitizer)
      QSKIP("the address sanitizer needs more address space than the limit leaves");
    const TempDir dir;
    Bytes file;
    const Bytes entry = record(7, std::string(1000, 'x'));
    for (int i = 0; i < 40000; ++i) file.insert(file.end(), entry.begin(), entry.end());  // 40 MB of lines
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickGet(window, QString::fromStdString(dir.write("s.mul", file)));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const MessageReader reader;
    rlimit before{};
    QVERIFY(::getrlimit(RLIMIT_AS, &before) == 0);
    rlimit limited = before;
    limited.rlim_cur = static_cast<rlim_t>(memoryInUse() + (std::size_t{48} << 20));
    QVERIFY(::setrlimit(RLIMIT_AS, &limited) == 0);
    action(window, "Copy &all lines")->trigger();
    ::setrlimit(RLIMIT_AS, &before);
    QCOMPARE(reader.messages, QStringList{QString::fromStdString(texts::text(ui::kNoMemoryToCopy))});
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(clickGet(window, QString::fromStdString(dir.write("small.mul", record(1, "one")))), QString());
    QCOMPARE(listed(window), QStringList{QStringLiteral("ID: 1 Text: one")});
  }

  // The address space the process has mapped, from /proc/self/status.
  static std::size_t memoryInUse() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) * 1024;
    }
    return 0;
  }

  // A Get that runs longer than a moment shows its progress in a dialog,
  // while the window paints; Cancel stops it, the lines read so far stay,
  // and a message says the listing was stopped. One Get runs at a time:
  // meanwhile a press of Get by assistive technology, a click from anywhere
  // else and a drop start nothing.
  void aLongGetShowsItsProgressAndCancelStopsIt() {
    const TempDir dir;
    const std::string path = testing_support::makeLongFile(dir);
    const QString other = QString::fromStdString(dir.write("other.mul", record(7, "other")));
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* button = child<QPushButton>(window, "cmdGet");
    QString shown;
    bool windowPainted = false;
    QElapsedTimer clock;
    qint64 appeared = -1;
    qsizetype progressWindows = 0;
    std::optional<Qt::DropAction> dropped;
    const MessageReader reader;
    const Answering<QProgressDialog> answering([&](QProgressDialog* progress) {
      progressWindows = std::max(progressWindows, shownWindows<QProgressDialog>().size());
      if (appeared < 0) {
        appeared = clock.elapsed();
        QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        emit button->clicked();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        dropped = drop(window, QPoint(150, 150), data, Qt::CopyAction);
      }
      if (progress->value() <= 0 || clock.elapsed() < appeared + 200) return;  // until some of the file is read
      shown = progress->labelText();
      windowPainted = !window.grab().isNull();
      QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    child<QLineEdit>(window, "txtPath")->setText(QString::fromStdString(path));
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY2(appeared >= 400, qPrintable(QString::number(appeared)));  // not for a moment's work
    QVERIFY2(shown.startsWith(QStringLiteral("Reading long.mul: ")) && shown.endsWith(QStringLiteral(" of 1,074 MB")),
             qPrintable(shown));
    QVERIFY(windowPainted);
    QCOMPARE(progressWindows, 1);
    QCOMPARE(dropped, std::nullopt);
    QCOMPARE(child<QLineEdit>(window, "txtPath")->text(), QString::fromStdString(path));
    QCOMPARE(reader.messages.size(), 1);
    QVERIFY2(reader.messages[0].contains(QStringLiteral("long.mul\": The listing was stopped at byte")),
             qPrintable(reader.messages[0]));
    QCOMPARE(listed(window).size(), 100);
  }

  // Closing the window during a long Get ends the Get at once, with no
  // message; nothing it read is kept, and the file is closed.
  void closingTheWindowDuringAGetEndsTheGetAtOnce() {
    const TempDir dir;
    const std::string path = testing_support::makeLongFile(dir);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QElapsedTimer sinceClosed;
    const MessageReader reader;
    const Answering<QProgressDialog> answering([&](QProgressDialog* progress) {
      if (sinceClosed.isValid() || progress->value() <= 0) return;
      sinceClosed.start();
      window.close();
    });
    child<QLineEdit>(window, "txtPath")->setText(QString::fromStdString(path));
    QTest::mouseClick(child<QPushButton>(window, "cmdGet"), Qt::LeftButton);
    QVERIFY(sinceClosed.isValid());
    QVERIFY2(sinceClosed.elapsed() < 1000, qPrintable(QString::number(sinceClosed.elapsed())));
    QVERIFY(!window.isVisible());
    QVERIFY(shownWindows<QProgressDialog>().isEmpty());
    QCOMPARE(reader.messages, QStringList());
    QCOMPARE(listed(window).size(), 0);
    QVERIFY(!testing_support::holdsOpenFileUnder(dir.path()));
  }

  // Once listed, the file is closed, and other programs may rename or
  // delete it at once (on Linux both succeed even while a file is open, so
  // the window's process is asked what it holds open).
  void aListedFileIsClosedAndCanBeRenamedAndDeletedAtOnce() {
    const TempDir dir;
    const std::string path = dir.write("s.mul", record(1, "x"));
    frmMain window;
    clickGet(window, QString::fromStdString(path));
    QVERIFY(!testing_support::holdsOpenFileUnder(dir.path()));
    const auto renamed = dir.path() / "renamed.mul";
    std::filesystem::rename(path, renamed);
    QVERIFY(std::filesystem::remove(renamed));
  }

  void everyControlAndLineIsExposedToAssistiveTechnology() {
    const TempDir dir;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickGet(window, QString::fromStdString(dir.write("s.mul", concat({record(1, "one"), record(2, "two")}))));
    QStringList names;
    for (const char* name : {"Label1", "lstWords", "txtPath", "cmdGet"}) {
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(child<QWidget>(window, name));
      QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), name);
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(child<LineListView>(window, "lstWords"));
    for (int i = 0; i < list->childCount(); ++i) names << list->child(i)->text(QAccessible::Name);
    QVERIFY2(names.contains(QStringLiteral("ID: 1 Text: one")) && names.contains(QStringLiteral("ID: 2 Text: two")),
             qPrintable(names.join(QStringLiteral(" | "))));
    QCOMPARE(list->role(), QAccessible::List);
    const auto labelledBy = list->relations(QAccessible::Label);
    QVERIFY(!labelledBy.isEmpty() && labelledBy.first().first->object() == child<QLabel>(window, "Label1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);

    // The current line is the list's focus child, and a key moves it.
    auto* view = child<LineListView>(window, "lstWords");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(list->focusChild()->text(QAccessible::Name), QStringLiteral("ID: 1 Text: one"));
    QTest::keyClick(view, Qt::Key_Down);
    QVERIFY(list->focusChild()->state().selected);
    QCOMPARE(list->focusChild()->text(QAccessible::Name), QStringLiteral("ID: 2 Text: two"));
  }

  void aPathGivenAtStartIsListedOnceTheWindowIsShown() {
    const TempDir dir;
    const std::string path = dir.write("caf\xC3\xA9.mul", record(0x2A, "hail"));
    frmMain window;
    window.startWith(testing_support::pathFromUtf8(path));
    QCOMPARE(child<QLineEdit>(window, "txtPath")->text(), QString::fromStdString(path));
    QApplication::processEvents();
    QVERIFY(listed(window).isEmpty());  // not before the window is shown
    window.show();
    QTRY_COMPARE(listed(window), QStringList{QStringLiteral("ID: 2A Text: hail")});

    // A path that cannot be read: the message comes up over the shown window.
    const MessageReader reader;
    frmMain failing;
    failing.startWith(dir.path() / "missing.mul");
    failing.show();
    QTRY_COMPARE(reader.messages.size(), 1);
    QVERIFY(reader.messages[0].contains(QStringLiteral("File not found")));
    QCOMPARE(reader.parents[0], &failing);

    // A name whose bytes are not UTF-8 shows visibly and lists that very
    // file, not one whose name the field's text would make.
    const std::filesystem::path raw = dir.path() / "\xFF.mul";
    std::filesystem::copy_file(path, raw);
    dir.write("\xEF\xBF\xBD.mul", record(1, "other"));
    frmMain givenRaw;
    givenRaw.startWith(raw);
    QCOMPARE(child<QLineEdit>(givenRaw, "txtPath")->text(),
             QString::fromStdString((dir.path() / "\u2039FF\u203A.mul").string()));
    givenRaw.show();
    QTRY_COMPARE(listed(givenRaw), QStringList{QStringLiteral("ID: 2A Text: hail")});
  }

  // Drags `data` over the window at `at` (window coordinates) and drops it,
  // as the window system does: to the widget under the pointer or the
  // nearest one above it that takes drops. Returns the action the drop was
  // taken with, or none when it was refused.
  static std::optional<Qt::DropAction> drop(frmMain& window, QPoint at, const QMimeData& data,
                                            Qt::DropActions offered) {
    QWidget* target = window.childAt(at);
    while (target && !target->acceptDrops()) target = target->parentWidget();
    if (!target) target = &window;
    const QPoint local = target->mapFrom(&window, at);
    QDragEnterEvent enter(local, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return std::nullopt;
    QDropEvent dropped(local, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    if (!dropped.isAccepted()) return std::nullopt;
    return dropped.dropAction();
  }

  void aDroppedFileIsListedAndNeverTakenAsAMove() {
    const TempDir dir;
    const QString file = QString::fromStdString(dir.write("s.mul", record(7, "seven")));
    const QUrl url = QUrl::fromLocalFile(file);
    const QPoint overList(150, 150), overField(150, 345);
    const struct {
      const char* what;
      QPoint at;
      QList<QUrl> urls;
      Qt::DropActions offered;
      std::optional<Qt::DropAction> taken;
    } cases[] = {
        {"on the list", overList, {url}, Qt::CopyAction | Qt::MoveAction, Qt::CopyAction},
        {"on the path field", overField, {url}, Qt::MoveAction | Qt::LinkAction, Qt::LinkAction},
        {"on the label", QPoint(20, 12), {url}, Qt::CopyAction, Qt::CopyAction},
        {"only as a move", overList, {url}, Qt::MoveAction, std::nullopt},
        {"two files", overField, {url, QUrl::fromLocalFile(file + QStringLiteral("2"))}, Qt::CopyAction, std::nullopt},
        {"not a local file", overList, {QUrl(QStringLiteral("https://localhost/s.mul"))}, Qt::CopyAction, std::nullopt},
    };
    for (const auto& c : cases) {
      frmMain window;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QMimeData data;
      data.setUrls(c.urls);
      QCOMPARE(drop(window, c.at, data, c.offered), c.taken);
      const QStringList expected = c.taken ? QStringList{QStringLiteral("ID: 7 Text: seven")} : QStringList();
      QTRY_COMPARE(listed(window), expected);
      QCOMPARE(child<QLineEdit>(window, "txtPath")->text() == file, c.taken.has_value());
    }
    // Text dropped on the path field is the field's own, as before.
    frmMain window;
    window.show();
    QMimeData text;
    text.setText(QStringLiteral("typed"));
    QVERIFY(drop(window, overField, text, Qt::CopyAction));
    QVERIFY(child<QLineEdit>(window, "txtPath")->text().contains(QStringLiteral("typed")));
  }

  void findNextAndPreviousSelectTheLineAndComeRound() {
    const TempDir dir;
    // Rows: 0 "ID: 2A Text: hail", 1 "ID: 9 Text: Bank", 2 "ID: 12 Text: bank", 3 "ID: 13 Text: hello",
    // then 3000 rows "ID: 1 Text: filler", and 3004 "ID: 2 Text: needle", far out of view.
    Bytes file = concat({record(0x2A, "hail"), record(9, "Bank"), record(0x12, "bank"), record(0x13, "hello")});
    for (int i = 0; i <= 3000; ++i) {
      const Bytes r = record(i < 3000 ? 1 : 2, i < 3000 ? "filler" : "needle");
      file.insert(file.end(), r.begin(), r.end());
    }
    const std::string path = dir.write("s.mul", file);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    clickGet(window, QString::fromStdString(path));
    auto* list = child<LineListView>(window, "lstWords");
    auto* find = window.findChild<FindWindow*>();
    auto* text = find->findChild<QLineEdit*>(QStringLiteral("findText"));
    auto* status = find->findChild<QLabel*>(QStringLiteral("findStatus"));
    QVERIFY(!find->isVisible());
    QTest::keyClick(&window, Qt::Key_F3);  // nothing to find again yet: the find window opens
    QVERIFY(QTest::qWaitForWindowActive(find));
    QTRY_COMPARE(QApplication::focusWidget(), text);

    const auto inFind = [&](auto key, Qt::KeyboardModifiers modifiers = {}) {
      return [&, key, modifiers] {
        find->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(find));
        text->setFocus();
        QTest::keyClick(text, key, modifiers);
      };
    };
    const auto inMain = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
      return [&, key, modifiers] {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(list, key, modifiers);
      };
    };
    const auto click = [&](const char* button) {
      return [&, button] { QTest::mouseClick(find->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton); };
    };
    const struct {
      const char* text;
      bool matchCase;
      std::function<void()> act;
      std::optional<std::size_t> current;
      QString status;
    } steps[] = {
        {"bank", false, inFind(Qt::Key_Return), 1, QString()},
        {"bank", false, click("findNext"), 2, QString()},
        {"bank", false, inFind(Qt::Key_F3), 1, QStringLiteral("Went on from the first line.")},
        {"bank", false, inMain(Qt::Key_F3, Qt::ShiftModifier), 2, QStringLiteral("Went on from the last line.")},
        {"Bank", true, click("findPrevious"), 1, QString()},
        {"Bank", true, inMain(Qt::Key_F3), 1, QStringLiteral("Went on from the first line.")},
        {"NEEDLE", false, inFind(Qt::Key_Return), 3004, QString()},
        {"2a", false, inFind(Qt::Key_Enter), 0, QStringLiteral("Went on from the first line.")},
        {"sell", false, inFind(Qt::Key_Return), 0, QStringLiteral("No line holds \"sell\".")},
    };
    for (const auto& step : steps) {
      if (text->text() != QLatin1String(step.text)) text->setText(QLatin1String(step.text));
      find->findChild<QCheckBox*>(QStringLiteral("matchCase"))->setChecked(step.matchCase);
      step.act();
      QCOMPARE(list->currentRow(), step.current);
      QVERIFY2(status->text() == step.status,
               qPrintable(QLatin1String(step.text) + QLatin1String(": ") + status->text()));
      QVERIFY(list->viewport()->rect().contains(list->rowRect(*step.current)));  // scrolled into view
    }
  }

  // Wherever the main window is, the find window opens where it hides no
  // line of the list and lies whole on the screen.
  void theFindWindowLeavesTheListInView() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
      const char* where;
      QPoint at;
    } places[] = {
        {"at the screen's left", screen.topLeft()},
        {"at its right", QPoint(screen.right() - 320, screen.top())},
        {"in its middle", screen.center() - QPoint(156, 200)},
    };
    for (const auto& place : places) {
      frmMain window;
      window.move(place.at);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
      auto* find = window.findChild<FindWindow*>();
      QTRY_VERIFY(find->isVisible());
      const auto* list = child<LineListView>(window, "lstWords");
      const QRect listOnScreen(list->mapToGlobal(QPoint(0, 0)), list->size());
      QVERIFY2(!find->frameGeometry().intersects(listOnScreen), place.where);
      QVERIFY2(screen.contains(find->frameGeometry()), place.where);
    }
  }

  // The window's action with this text, as its menu shows it.
  static QAction* action(const frmMain& window, const char* text) {
    for (QAction* a : window.findChildren<QAction*>()) {
      if (a->text() == QLatin1String(text)) return a;
    }
    qFatal("no action %s", text);
  }

  void copyTakesTheShownFormOfALineOrOfAllFromTheKeysAndTheMenu() {
    const TempDir dir;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = child<LineListView>(window, "lstWords");
    QStringList menu;
    const auto openMenu = [&](const char* choose) {
      menu.clear();
      const Answering<QMenu> answering([&](QMenu* shown) {
        for (QAction* a : shown->actions()) menu << (a->isEnabled() ? QString() : QStringLiteral("(off) ")) + a->text();
        if (choose) action(window, choose)->trigger();
        shown->close();
      });
      const QPoint at = list->rowRect(1).center();
      QContextMenuEvent event(QContextMenuEvent::Keyboard, at, list->viewport()->mapToGlobal(at));
      QApplication::sendEvent(list->viewport(), &event);
      QTRY_VERIFY(!menu.isEmpty());
    };
    openMenu(nullptr);
    QCOMPARE(menu, (QStringList{QStringLiteral("(off) &Copy"), QStringLiteral("(off) Copy &all lines"), QString(),
                                QStringLiteral("(off) &Edit text..."), QStringLiteral("&New entry..."),
                                QStringLiteral("(off) &Delete entry"), QString(), QStringLiteral("(off) &Undo"),
                                QStringLiteral("(off) &Redo"), QString(), QStringLiteral("&Find..."),
                                QStringLiteral("(off) &Save list as..."), QString(),
                                QStringLiteral("(off) Save speech &file"),
                                QStringLiteral("(off) Save speech file &as..."), QStringLiteral("&Open list..."),
                                QStringLiteral("(off) Compare &with..."), QString(), QStringLiteral("&Encoding")}));

    clickGet(window, QString::fromStdString(dir.write("s.mul", concat({record(1, "a\nb"), record(2, "two")}))));
    QClipboard* clipboard = QGuiApplication::clipboard();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("ID: 1 Text: a\u240Ab"));
    // Ctrl+C in the path field is the field's own.
    auto* field = child<QLineEdit>(window, "txtPath");
    field->setFocus();
    field->setSelection(0, 2);
    QTest::keySequence(field, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), field->text().left(2));

    openMenu("Copy &all lines");
    QCOMPARE(menu.filter(QStringLiteral("(off)")),
             (QStringList{QStringLiteral("(off) &Undo"), QStringLiteral("(off) &Redo")}));
    QCOMPARE(clipboard->text(), QStringLiteral("ID: 1 Text: a\u240Ab\nID: 2 Text: two\n"));
  }

  // Edit entry from F2: the fields hold the entry as it is, control
  // characters included, and OK with the ID changed keeps the text's bytes;
  // a text the encoding cannot hold is named, OK is off and Cancel changes
  // nothing; Delete and Ctrl+Z, and Ctrl+S writes every entry.
  void editingFromTheKeysChangesTheEntriesAndSavesThem() {
    const TempDir dir;
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const std::string file = dir.write("s.mul", concat({record(1, "a\tb\nc"), record(9, ""), record(2, "two")}));
    clickGet(window, QString::fromStdString(file));
    auto* list = child<LineListView>(window, "lstWords");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    const auto edit = [&](std::function<void(EditEntryDialog*)> answer) {
      bool answered = false;
      const Answering<EditEntryDialog> answering([&](EditEntryDialog* dialog) {
        if (!std::exchange(answered, true)) answer(dialog);
      });
      QTest::keyClick(list, Qt::Key_F2);
      QVERIFY(answered);
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QTRY_VERIFY(list->hasFocus());
    };
    edit([](EditEntryDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit entry"));
      QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("text"))->text(), QStringLiteral("a\tb\nc"));
      auto* id = dialog->findChild<QLineEdit*>(QStringLiteral("id"));
      id->selectAll();
      QTest::keyClicks(id, QStringLiteral("5"));
      QTest::keyClick(id, Qt::Key_Return);
    });
    edit([](EditEntryDialog* dialog) {
      auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("text"));
      // Typed as a keyboard of another layout types it (QTest types Latin-1 only).
      QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u0436"));
      QApplication::sendEvent(text, &typed);
      QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("problem"))->text(),
               QStringLiteral("'\u0436' (U+0436) has no bytes in Western European (1252)."));
      QVERIFY(!dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
      QTest::keyClick(text, Qt::Key_Escape);
    });
    QCOMPARE(listed(window),
             (QStringList{QStringLiteral("ID: 5 Text: a\u2409b\u240Ac"), QStringLiteral("ID: 2 Text: two")}));
    // Assistive technology hears what the colour shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->child(0)->text(QAccessible::Description),
             QStringLiteral("Changed"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(listed(window).size(), 1);
    QTest::keySequence(list, QKeySequence::Undo);
    QCOMPARE(listed(window).size(), 2);
    QTest::keySequence(list, QKeySequence::Save);
    QCOMPARE(testing_support::readAll(file), concat({record(5, "a\tb\nc"), record(9, ""), record(2, "two")}));
    // A Get with a change not saved asks first; closing the question is Cancel.
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(clickGet(window, QString::fromStdString(file)), QStringLiteral("Save the changes to s.mul?"));
    QCOMPARE(listed(window).size(), 1);
  }

  // The list's Encoding menu: the system default first, checked, then every
  // encoding; choosing one shows every line in it at once, the current line
  // and the scroll position kept.
  void theEncodingMenuShowsTheLinesInTheChosenEncoding() {
    const TempDir dir;
    Bytes file;
    for (int i = 0; i < 60; ++i) {
      const Bytes r = record(static_cast<std::uint16_t>(i), "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD");
      file.insert(file.end(), r.begin(), r.end());
    }
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    clickGet(window, QString::fromStdString(dir.write("s.mul", file)));
    auto* list = child<LineListView>(window, "lstWords");
    list->setFocus();
    list->selectRow(40);
    const int scrolled = list->verticalScrollBar()->value();
    QStringList offered;
    const auto choose = [&](const QString& name) {
      const Answering<QMenu> answering([&](QMenu* shown) {
        auto* encodings = window.findChild<QMenu*>(QStringLiteral("encodingMenu"));
        emit encodings->aboutToShow();
        offered.clear();
        QAction* chosen = nullptr;
        for (QAction* a : encodings->actions()) {
          if (a->isSeparator()) continue;
          offered << (a->isChecked() ? QStringLiteral("* ") : QString()) + a->text();
          if (a->text() == name) chosen = a;
        }
        if (chosen) chosen->trigger();
        shown->close();
      });
      const QPoint at = list->rowRect(40).center();
      QContextMenuEvent event(QContextMenuEvent::Keyboard, at, list->viewport()->mapToGlobal(at));
      QApplication::sendEvent(list->viewport(), &event);
      QTRY_VERIFY(!offered.isEmpty());
    };
    choose(QStringLiteral("Japanese (932)"));
    QCOMPARE(offered.size(), 16);
    QVERIFY(offered.first().startsWith(QStringLiteral("* System default (")));
    QCOMPARE(listed(window).at(40), QStringLiteral("ID: 28 Text: \u3053\u3093\u306B\u3061\u306F"));
    QCOMPARE(list->currentRow(), std::optional<std::size_t>(40));
    QCOMPARE(list->verticalScrollBar()->value(), scrolled);
    choose(QString::fromStdString(runtime::systemDefaultName()));
    QVERIFY(offered.contains(QStringLiteral("* Japanese (932)")));
    QCOMPARE(listed(window).at(40),
             QStringLiteral("ID: 28 Text: \u201A\u00B1\u201A\u00F1\u201A\u00C9\u201A\u00BF\u201A\u00CD"));
  }

  void saveListAsWritesTheChosenTypeAndNeverTheSpeechFile() {
    const TempDir dir;
    const Bytes speechBytes = concat({record(0x2A, "hail"), record(2, "a,b")});
    const std::string speech = dir.write("speech.mul", speechBytes);
    frmMain window;
    window.show();
    clickGet(window, QString::fromStdString(speech));
    const std::string lines = "ID: 2A Text: hail\nID: 2 Text: a,b\n";
    const std::string json = "{\"offset\":0,\"id\":42,\"id_hex\":\"2A\",\"length\":4,\"text\":\"hail\"}\n";
    const struct {
      const char* typed;
      int type;  // in the dialog's list of file types
      const char* written;
      std::string starts;
      const char* message;
    } cases[] = {
        {"list", 0, "list.txt", lines, nullptr},
        {"list", 1, "list.csv", "offset,id,id_hex,length,text\r\n0,42,2A,4,hail\r\n", nullptr},
        {"list", 2, "list.json", json, nullptr},
        {"other.jsonl", 0, "other.jsonl", json, nullptr},  // the name's own extension decides
        {"speech.mul", 0, "speech.mul", std::string(speechBytes.begin(), speechBytes.end()),
         "This is the speech file the lines come from; the list is not saved over it."},
    };
    for (const auto& c : cases) {
      MessageReader reader;
      QString startedIn, suggested;
      const Answering<QFileDialog> answering([&](QFileDialog* dialog) {
        startedIn = dialog->directory().absolutePath();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        suggested = name->text();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        types->setFocus();
        for (int i = 0; i < c.type; ++i) QTest::keyClick(types, Qt::Key_Down);  // as the user picks one
        name->setText(QLatin1String(c.typed));
        QTest::keyClick(name, Qt::Key_Return);
      });
      action(window, "&Save list as...")->trigger();
      QCOMPARE(startedIn, QString::fromStdString(dir.path().string()));
      QCOMPARE(suggested, QStringLiteral("speech.txt"));
      const Bytes written = testing_support::readAll((dir.path() / c.written).string());
      QVERIFY2(std::string(written.begin(), written.end()).starts_with(c.starts), c.written);
      if (c.message) {
        QVERIFY2(reader.messages.size() == 2 && reader.messages.back().startsWith(QLatin1String(c.message)),
                 qPrintable(reader.messages.join(QLatin1Char('|'))));
        QCOMPARE(reader.parents.back(), &window);
      } else {
        QVERIFY2(reader.messages.isEmpty(), qPrintable(reader.messages.join(QLatin1Char('|'))));
      }
    }
    // The speech file and the four lists, and no temporary file beside them.
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);
  }

  // The program itself, without a display: what it prints and its exit status.
  void theProgramsArgumentsAreReadBeforeAnyWindowIsMade() {
    const struct {
      QStringList arguments;
      int status;
      QString out, err;  // a part of what it must print on each
      bool fullOutput = false;
      QString display = QString();  // DISPLAY, or none
    } cases[] = {
        {{QStringLiteral("--help")}, 0, QStringLiteral("usage: speechviewer [--encoding NAME] [--] [PATH]"), QString()},
        {{QStringLiteral("--version")},
         0,
         QStringLiteral("speechviewer " SPEECH_VERSION "\n"
                        "Copyright (c) 2026 the speech file viewer authors; MIT licence.\n"),
         QString()},
        {{QStringLiteral("--help")}, 1, QString(), QStringLiteral("cannot write to standard output"), true},
        {{QStringLiteral("-x\u001B[2J")},
         2,
         QString(),
         QStringLiteral("speechviewer: unknown option '-x\u241B[2J'\nusage: speechviewer")},
        {{QStringLiteral("a.mul")}, 1, QString(), QStringLiteral("no display to show the window on")},
        // A display that is set but cannot be reached: said in plain words,
        // not the toolkit's abort.
        {{QStringLiteral("a.mul")},
         1,
         QString(),
         QStringLiteral("speechviewer: the window cannot be shown: the display \":4242\" cannot be reached.\nTo "
                        "list a speech file on the terminal, use: speechlist PATH\n"),
         false,
         QStringLiteral(":4242")},
    };
    for (const auto& c : cases) {
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
      if (!c.display.isEmpty()) environment.insert(QStringLiteral("DISPLAY"), c.display);
      QProcess program;
      program.setProcessEnvironment(environment);
      if (c.fullOutput) program.setStandardOutputFile(QStringLiteral("/dev/full"));
      program.start(QStringLiteral(SPEECHVIEWER_EXE), c.arguments);
      QVERIFY(program.waitForFinished(10000));
      const QString what = c.arguments.join(QLatin1Char(' '));
      const QString out = QString::fromUtf8(program.readAllStandardOutput());
      const QString err = QString::fromUtf8(program.readAllStandardError());
      QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == c.status,
               qPrintable(what + QStringLiteral(": status ") + QString::number(program.exitCode()) + QLatin1Char(' ') +
                          err));
      QVERIFY2(out.contains(c.out) && (c.out.isEmpty() ? out.isEmpty() : err.isEmpty()),
               qPrintable(what + QLatin1Char(':') + out));
      QVERIFY2(err.contains(c.err), qPrintable(what + QLatin1Char(':') + err));
    }
  }

  void makewordIsTheWindowsPublicMethod() {
    const frmMain window;
    QCOMPARE(window.MAKEWORD(0x34, 0x12), std::int16_t{4660});
    QCOMPARE(window.MAKEWORD(0x00, 0x80), std::int16_t{-32768});
  }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
