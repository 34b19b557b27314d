#include "ui/qt/speech_lines_model.h"

#include "ui/common/shown_text.h"

void SpeechLinesModel::clear() {
  beginResetModel();
  store_.clear();
  publishedRows_ = 0;
  endResetModel();
}

void SpeechLinesModel::publish() {
  const int total = static_cast<int>(store_.rowCount());
  if (total == publishedRows_) return;
  beginInsertRows({}, publishedRows_, total - 1);
  publishedRows_ = total;
  endInsertRows();
}

int SpeechLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : publishedRows_; }

QString SpeechLinesModel::line(int row) const {
  const std::string_view utf8 = store_.line(static_cast<std::size_t>(row), scratch_);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QVariant SpeechLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= publishedRows_) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    const std::string shown = ui::shownText(store_.line(static_cast<std::size_t>(index.row()), scratch_));
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
  }
  return {};
}
