#include "ui/qt/frm_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "speechfile/record.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_description.h"
#include "ui/qt/speech_lines_model.h"

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

// Every line gets the width of the longest one, so that the list scrolls
// horizontally to the end of any line; uniform sizes keep a list of
// millions of lines fast.
class UniformLineDelegate final : public QStyledItemDelegate {
 public:
  UniformLineDelegate(const SpeechLinesModel& lines, QObject* parent) : QStyledItemDelegate(parent), lines_(lines) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const std::size_t longest = lines_.store().longestRow();
    if (longest < lines_.store().rowCount()) {
      const QString text = lines_.index(static_cast<int>(longest)).data().toString();
      const int margin = 2 * option.fontMetrics.averageCharWidth();
      size.setWidth(std::max(size.width(), option.fontMetrics.horizontalAdvance(text) + margin));
    }
    return size;
  }

 private:
  const SpeechLinesModel& lines_;
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent),
      Label1(placed(new QLabel(qtText(ui::kLabel1.text), this), ui::kLabel1)),
      lstWords(placed(new QListView(this), ui::kLstWords)),
      txtPath(placed(new QLineEdit(qtText(ui::kTxtPath.text), this), ui::kTxtPath)),
      cmdGet(placed(new QPushButton(qtText(ui::kCmdGet.text), this), ui::kCmdGet)),
      lines_(new SpeechLinesModel(this)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(qtText(ui::kCaption));
  setFixedSize(toPixels(ui::kClientArea).size());

  lstWords->setModel(lines_);
  lstWords->setItemDelegate(new UniformLineDelegate(*lines_, lstWords));
  lstWords->setUniformItemSizes(true);
  lstWords->setWordWrap(false);
  lstWords->setTextElideMode(Qt::ElideNone);
  lstWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstWords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  lstWords->setAccessibleName(Label1->text());

  txtPath->setAccessibleName(qtText(ui::kPathFieldName));

  cmdGet->setAutoDefault(false);
  cmdGet->setDefault(false);

  setTabOrder(lstWords, txtPath);
  setTabOrder(txtPath, cmdGet);
  lstWords->setFocus();

  connect(cmdGet, &QPushButton::clicked, this, &frmMain::cmdGet_Click);
}

std::int16_t frmMain::MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const { return speechfile::MAKEWORD(bLo, bHi); }

void frmMain::cmdGet_Click() {
  QString failure;
  {
    const WaitCursor wait;
    try {
      speechfile::runGetAction(reading_, TextBoxPath(*txtPath), *lines_);
    } catch (const speechfile::GetError& e) {
      failure = qtText(ui::shownText(e.what()));
    }
    // The lines read before an error stay listed.
    lines_->publish();
    // The view caches one item size for every row; have it ask again, as the
    // longest line may have changed.
    lstWords->reset();
  }
  if (!failure.isEmpty()) QMessageBox::critical(this, windowTitle(), failure);
}
