#include "ui/frm_main.h"

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
#include "ui/speech_lines_model.h"

namespace {

// The window's layout in twips (1440 to the inch); 15 twips make one
// device-independent pixel, which Qt scales on high-DPI screens.
constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
  int left, top, width, height;
};

constexpr TwipsRect kClientArea = {0, 0, 4695, 6015};
constexpr TwipsRect kLabel1 = {120, 120, 4410, 195};
constexpr TwipsRect kLstWords = {120, 360, 4455, 4545};
constexpr TwipsRect kTxtPath = {120, 5040, 4455, 285};
constexpr TwipsRect kCmdGet = {120, 5760, 4455, 255};

QRect toPixels(const TwipsRect& r) {
  return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel, r.height / kTwipsPerPixel);
}

const char* const kCaption = "Speech.mul by Quorrin";
const char* const kDefaultPath = "c:\\program files\\kestrel haven\\speech.mul";

// The path field as the Get action's path source.
class TextBoxPath final : public speechfile::PathSource {
 public:
  explicit TextBoxPath(const QLineEdit& box) : box_(box) {}
  std::string pathText() const override { return box_.text().toStdString(); }

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
    const int longest = lines_.longestRow();
    if (longest >= 0) {
      const QString text = SpeechLinesModel::displayText(lines_.line(longest));
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
      Label1(new QLabel(QStringLiteral("Speech ID - SpeechText"), this)),
      lstWords(new QListView(this)),
      txtPath(new QLineEdit(QString::fromLatin1(kDefaultPath), this)),
      cmdGet(new QPushButton(QStringLiteral("Get"), this)),
      lines_(new SpeechLinesModel(this)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setFixedSize(toPixels(kClientArea).size());

  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(toPixels(kLabel1));

  lstWords->setObjectName(QStringLiteral("lstWords"));
  lstWords->setGeometry(toPixels(kLstWords));
  lstWords->setModel(lines_);
  lstWords->setItemDelegate(new UniformLineDelegate(*lines_, lstWords));
  lstWords->setUniformItemSizes(true);
  lstWords->setWordWrap(false);
  lstWords->setTextElideMode(Qt::ElideNone);
  lstWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstWords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  lstWords->setAccessibleName(Label1->text());

  txtPath->setObjectName(QStringLiteral("txtPath"));
  txtPath->setGeometry(toPixels(kTxtPath));
  txtPath->setAccessibleName(QStringLiteral("Path of the speech file"));

  cmdGet->setObjectName(QStringLiteral("cmdGet"));
  cmdGet->setGeometry(toPixels(kCmdGet));
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
    } catch (const std::exception& e) {
      failure = QString::fromStdString(e.what());
    }
    // The lines read before an error stay listed.
    lines_->publish();
    // The view caches one item size for every row; have it ask again, as the
    // longest line may have changed.
    lstWords->reset();
  }
  if (!failure.isEmpty()) QMessageBox::critical(this, windowTitle(), failure);
}
