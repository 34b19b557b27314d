#include "ui/speech_lines_model.h"

#include <limits>
#include <new>

#include "runtime/errors.h"

void SpeechLinesModel::clear() {
  beginResetModel();
  std::string().swap(text_);
  std::vector<std::uint64_t>().swap(ends_);
  publishedRows_ = 0;
  longestRow_ = -1;
  longestBytes_ = 0;
  endResetModel();
}

void SpeechLinesModel::addItem(std::string_view line) {
  if (ends_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory,
                                "the list holds at most " + std::to_string(std::numeric_limits<int>::max()) + " lines");
  }
  try {
    text_.append(line);
    ends_.push_back(text_.size());
  } catch (const std::bad_alloc&) {
    // Stops the Get with a clear error; the lines stored so far stay.
    throw runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory, "the list cannot hold more lines");
  }
  if (line.size() > longestBytes_) {
    longestBytes_ = line.size();
    longestRow_ = static_cast<int>(ends_.size() - 1);
  }
}

void SpeechLinesModel::publish() {
  const int total = static_cast<int>(ends_.size());
  if (total == publishedRows_) return;
  beginInsertRows({}, publishedRows_, total - 1);
  publishedRows_ = total;
  endInsertRows();
}

int SpeechLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : publishedRows_; }

std::string_view SpeechLinesModel::line(int row) const {
  const std::uint64_t start = row == 0 ? 0 : ends_[row - 1];
  return std::string_view(text_).substr(start, ends_[row] - start);
}

QString SpeechLinesModel::displayText(std::string_view line) {
  QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  for (QChar& c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20) c = QChar(static_cast<char16_t>(0x2400 + u));
    else if (u == 0x7F) c = QChar(static_cast<char16_t>(0x2421));
  }
  return text;
}

QVariant SpeechLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= publishedRows_) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
    return displayText(line(index.row()));
  }
  return {};
}
