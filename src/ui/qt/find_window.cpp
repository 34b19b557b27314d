#include "ui/qt/find_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/common/window_placement.h"
#include "ui/qt/results_window.h"

namespace {

ui::PixelRect pixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

FindWindow::FindWindow(QWidget* parent, const QWidget* keepInView)
    : QDialog(parent),
      text_(new QLineEdit(this)),
      matchCase_(new QCheckBox(tr("Match &case"), this)),
      status_(new QLabel(this)),
      next_(new QPushButton(tr("Find &next"), this)),
      previous_(new QPushButton(tr("Find &previous"), this)),
      all_(new QPushButton(tr("Find &all"), this)),
      found_(new ResultsPane(tr("Lines found"), this)),
      keepInView_(keepInView) {
  setObjectName(QStringLiteral("findWindow"));
  setWindowTitle(tr("Find"));
  text_->setObjectName(QStringLiteral("findText"));
  matchCase_->setObjectName(QStringLiteral("matchCase"));
  status_->setObjectName(QStringLiteral("findStatus"));
  next_->setObjectName(QStringLiteral("findNext"));
  previous_->setObjectName(QStringLiteral("findPrevious"));
  all_->setObjectName(QStringLiteral("findAll"));
  found_->setObjectName(QStringLiteral("linesFound"));
  found_->hide();

  auto* label = new QLabel(tr("&Find what:"), this);
  label->setBuddy(text_);
  // Assistive technology reads a change of the status as it happens.
  status_->setAccessibleName(tr("Find result"));
  status_->setTextFormat(Qt::PlainText);
  // Room for two lines from the start, and a long text wraps rather than
  // widening the window, so that the buttons stay where they are.
  status_->setWordWrap(true);
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  status_->setFixedHeight(2 * status_->fontMetrics().lineSpacing());
  text_->setMinimumWidth(180);

  // Enter in the text finds the next line; Escape closes the window.
  next_->setDefault(true);
  auto* close = new QPushButton(tr("Close"), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(text_, 0, 1);
  layout->addWidget(matchCase_, 1, 1);
  layout->addWidget(status_, 2, 0, 1, 2);
  layout->addWidget(next_, 0, 2);
  layout->addWidget(previous_, 1, 2);
  layout->addWidget(all_, 2, 2);
  layout->addWidget(close, 3, 2, Qt::AlignTop);
  layout->addWidget(found_, 4, 0, 1, 3);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(1, 1);

  connect(text_, &QLineEdit::textChanged, this, &FindWindow::textEdited);
  connect(matchCase_, &QCheckBox::toggled, status_, &QLabel::clear);
  connect(next_, &QPushButton::clicked, this, [this] { emit findRequested(ui::FindDirection::Next); });
  connect(previous_, &QPushButton::clicked, this, [this] { emit findRequested(ui::FindDirection::Previous); });
  connect(all_, &QPushButton::clicked, this, &FindWindow::findAllRequested);
  connect(close, &QPushButton::clicked, this, &FindWindow::reject);
  textEdited();
}

bool FindWindow::hasText() const { return !text_->text().isEmpty(); }

ui::FindRequest FindWindow::request(ui::FindDirection direction) const {
  return {text_->text().toStdString(), matchCase_->isChecked(), direction};
}

void FindWindow::textEdited() {
  next_->setEnabled(hasText());
  previous_->setEnabled(hasText());
  all_->setEnabled(hasText());
  status_->clear();
}

void FindWindow::showForTyping() {
  if (!placed_) {
    // The list and its found line stay in view.
    placed_ = true;
    adjustSize();
    const QWidget* main = parentWidget();
    if (const QScreen* screen = main->screen()) {
      const QRect list(keepInView_->mapToGlobal(QPoint(0, 0)), keepInView_->size());
      const ui::PixelPoint at = ui::besideOwner(pixelRect(main->frameGeometry()), pixelRect(list),
                                                {frameGeometry().width(), frameGeometry().height()},
                                                pixelRect(screen->availableGeometry()), 8);
      move(at.x, at.y);
    }
  }
  show();
  raise();
  activateWindow();
  text_->setFocus(Qt::ShortcutFocusReason);
  text_->selectAll();
}

void FindWindow::tell(const std::string& message) {
  status_->setText(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void FindWindow::showFound() {
  if (found_->isVisible()) return;
  found_->show();
  // Grows downwards for the list, within the screen.
  const QSize grown = sizeHint().expandedTo(size());
  const QScreen* screen = this->screen();
  const int bottom = screen ? screen->availableGeometry().bottom() : grown.height() + y();
  resize(grown.width(),
         std::min(grown.height(), bottom - frameGeometry().top() - (frameGeometry().height() - height())));
}
