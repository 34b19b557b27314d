#include "ui/qt/results_window.h"

#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/common/window_placement.h"

namespace {

QString qtText(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

ui::PixelRect pixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void placeBesideParent(QWidget* window, const QWidget* keepInView) {
  const QWidget* main = window->parentWidget();
  const QScreen* screen = main->screen();
  if (!screen) return;
  const QRect list(keepInView->mapToGlobal(QPoint(0, 0)), keepInView->size());
  const ui::PixelPoint at = ui::besideOwner(pixelRect(main->frameGeometry()), pixelRect(list),
                                            {window->frameGeometry().width(), window->frameGeometry().height()},
                                            pixelRect(screen->availableGeometry()), 8);
  window->move(at.x, at.y);
}

// ---- The rows

void ResultsModel::show(const ui::ResultsList* results) {
  beginResetModel();
  results_ = results;
  endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !results_) return 0;
  // List views count their rows in an int; the main list's rows do too.
  return static_cast<int>(results_->size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (!results_ || !index.isValid() || role != Qt::DisplayRole) return {};
  return qtText(results_->row(static_cast<std::size_t>(index.row())));
}

// ---- The pane

ResultsPane::ResultsPane(const QString& name, QWidget* parent)
    : QWidget(parent),
      count_(new QLabel(this)),
      status_(new QLabel(this)),
      list_(new QListView(this)),
      model_(new ResultsModel(this)) {
  count_->setObjectName(QStringLiteral("resultsCount"));
  status_->setObjectName(QStringLiteral("resultsStatus"));
  list_->setObjectName(QStringLiteral("resultsList"));
  for (QLabel* label : {count_, status_}) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
  }
  list_->setAccessibleName(name);
  // One height for every row, so that the view lays out none it does not draw.
  list_->setUniformItemSizes(true);
  list_->setLayoutMode(QListView::Batched);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list_->setModel(model_);
  list_->setMinimumSize(360, 160);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(count_);
  layout->addWidget(list_, 1);
  layout->addWidget(status_);

  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ResultsPane::currentMoved);
  connect(list_, &QListView::clicked, this, &ResultsPane::currentMoved);
}

void ResultsPane::showResults(const ui::ResultsList* results) {
  model_->show(results);
  count_->setText(results ? qtText(results->countText()) : QString());
  status_->clear();
}

std::optional<std::size_t> ResultsPane::current() const {
  const QModelIndex index = list_->currentIndex();
  if (!index.isValid()) return std::nullopt;
  return static_cast<std::size_t>(index.row());
}

void ResultsPane::select(std::size_t index) {
  const QModelIndex at = model_->index(static_cast<int>(index));
  list_->setCurrentIndex(at);
  list_->scrollTo(at);
  // Chosen again though it was current already: the main list may have moved.
  currentMoved(at);
}

void ResultsPane::tell(const std::string& message) { status_->setText(qtText(message)); }

void ResultsPane::currentMoved(const QModelIndex& now) {
  const ui::ResultsList* results = model_->results();
  if (!results || !now.isValid()) return;
  status_->clear();
  if (const auto row = results->mainRow(static_cast<std::size_t>(now.row()))) emit mainRowChosen(*row);
}

// ---- The Differences window

DifferencesWindow::DifferencesWindow(QWidget* parent, const QWidget* keepInView)
    : QDialog(parent), pane_(new ResultsPane(tr("Differences"), this)), keepInView_(keepInView) {
  setObjectName(QStringLiteral("differencesWindow"));
  setWindowTitle(tr("Differences"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pane_);
  resize(480, 300);
}

void DifferencesWindow::showBeside() {
  if (!placed_) {
    placed_ = true;
    placeBesideParent(this, keepInView_);
  }
  show();
  raise();
}
