// The lines of the speech list, stored compactly (one growing UTF-8 buffer
// and the end offset of each line), as a list model for the list view.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "speechfile/get_action.h"

class SpeechLinesModel final : public QAbstractListModel, public speechfile::LineList {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Empties the list at once and gives its memory back.
  void clear() override;
  // Stores the line; views learn of it at the next publish(). Raises the
  // runtime's out-of-memory error past the view's row limit instead of
  // dropping lines.
  void addItem(std::string_view line) override;
  // Tells the views about every line added since the last call, in one batch.
  void publish();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The stored line, exactly as added.
  std::string_view line(int row) const;
  // The row of the line with the most bytes (the widest, near enough), or -1.
  int longestRow() const { return longestRow_; }

  // The text shown for a line: control characters (U+0000 to U+001F and
  // U+007F) become their Control Pictures symbols, so that a zero byte never
  // cuts a line short and a line feed never breaks one.
  static QString displayText(std::string_view line);

 private:
  std::string text_;                // every line back to back
  std::vector<std::uint64_t> ends_; // end of each line in text_
  int publishedRows_ = 0;
  int longestRow_ = -1;
  std::size_t longestBytes_ = 0;
};
