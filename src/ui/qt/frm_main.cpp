#include "ui/qt/frm_main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "speechfile/record.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_description.h"
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

// The path field as the Get action's path source: what was typed, as a path.
class TextBoxPath final : public speechfile::PathSource {
 public:
  explicit TextBoxPath(const QLineEdit& box) : box_(box) {}
  std::filesystem::path path() const override { return std::filesystem::path(box_.text().toStdU16String()); }

 private:
  const QLineEdit& box_;
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Assistive technology announces the window as a window, not as a plain
// container.
QAccessibleInterface* makeAccessibleWindow(const QString& className, QObject* object) {
  if (className == QLatin1String("frmMain") && object && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);  // owned by QAccessible
  }
  return nullptr;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent),
      Label1(placed(new QLabel(qtText(ui::kLabel1.text), this), ui::kLabel1)),
      lstWords(placed(new LineListView(lines_, this), ui::kLstWords)),
      txtPath(placed(new QLineEdit(qtText(ui::kTxtPath.text), this), ui::kTxtPath)),
      cmdGet(placed(new QPushButton(qtText(ui::kCmdGet.text), this), ui::kCmdGet)) {
  static const bool factoryInstalled = (QAccessible::installFactory(makeAccessibleWindow), true);
  (void)factoryInstalled;
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(qtText(ui::kCaption));
  setFixedSize(toPixels(ui::kClientArea).size());

  // The label names the list for assistive technology.
  Label1->setBuddy(lstWords);
  lstWords->setAccessibleName(Label1->text());
  txtPath->setAccessibleName(qtText(ui::kPathFieldName));

  // Enter on the focused button clicks it, as Space does; the button is still
  // not the window's default, so Enter in the path field does nothing.
  cmdGet->setAutoDefault(true);
  cmdGet->setDefault(false);

  setTabOrder(lstWords, txtPath);
  setTabOrder(txtPath, cmdGet);
  lstWords->setFocus();

  connect(cmdGet, &QPushButton::clicked, this, &frmMain::cmdGet_Click);
}

void frmMain::startWith(const QString& path) {
  txtPath->setText(path);
  getWhenShown_ = true;
}

void frmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!getWhenShown_) return;
  getWhenShown_ = false;
  // After the window is on screen, so that an error box has its parent there.
  QTimer::singleShot(0, this, &frmMain::cmdGet_Click);
}

std::int16_t frmMain::MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const { return speechfile::MAKEWORD(bLo, bHi); }

void frmMain::cmdGet_Click() {
  QString failure;
  {
    const WaitCursor wait;
    try {
      speechfile::runGetAction(reading_, TextBoxPath(*txtPath), lines_);
    } catch (const speechfile::GetError& e) {
      failure = qtText(ui::shownText(e.what()));
    }
    // The lines read before an error stay listed.
    lstWords->showRows();
  }
  if (!failure.isEmpty()) QMessageBox::critical(this, windowTitle(), failure);
}
