// The list of speech lines in the Qt window: it draws the visible rows of
// the line store itself, so that a list of ten million lines costs no memory
// per line beyond the store and a line of any length draws only the part in
// view. Control characters are drawn as small marks with their short names;
// what assistive technology reads is each line's shown form.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <optional>
#include <unordered_map>

#include "ui/common/line_layout.h"
#include "ui/common/line_store.h"
#include "ui/common/list_state.h"
#include "ui/common/viewer_session.h"

class LineListView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  LineListView(const ui::ViewerSession& session, QWidget* parent);

  // Shows the session's rows afresh, after a Get: none current, at the top.
  void showRows();
  // Shows no rows, and reads none, while a Get fills the session's lines.
  void showNoRows();
  // The same rows with their texts formed again (in another encoding): the
  // current row and the scroll position stay.
  void showTextsAgain();

  // The rows after an edit, an undo or a redo: the scroll position stays
  // where it can, and `current` (none: no row) becomes the current row, in view.
  void showEditedRows(std::optional<std::size_t> current);

  int rowCount() const { return static_cast<int>(state_.rowCount()); }
  std::optional<std::size_t> currentRow() const { return state_.current(); }
  // Makes the row current and scrolls it into view, as a click on it would.
  void selectRow(std::size_t row);
  // Whether the row's entry is as read, changed or new.
  model::EntryState lineState(std::size_t row) const { return session_.lineState(row); }
  // The row's shown form: what assistive technology reads and a copy takes.
  QString shownLine(std::size_t row) const;
  // Where a row is drawn, in the viewport's coordinates.
  QRect rowRect(std::size_t row) const;

 signals:
  // The current row moved, or the rows were shown afresh.
  void currentRowChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void useFont();
  void showRowCount(std::size_t rows);
  int rowHeight() const { return rowHeight_; }
  void layOutView();
  void syncScrollBars();
  void afterMove(std::optional<std::size_t> before);
  void paintRow(QPainter& painter, std::size_t row, int top);
  void paintEditMark(QPainter& painter, model::EntryState state, const QRect& box, bool current) const;
  void paintMark(QPainter& painter, char16_t control, QRectF box, bool selected) const;
  // The row's line exactly as formed, as UTF-16 with its control characters.
  QString line(std::size_t row) const;
  // The row's width, measured once while its lines stay listed.
  double rowWidth(std::size_t row, std::u16string_view line);

  const ui::ViewerSession& session_;
  ui::ListState state_;
  ui::WidestLine widest_;
  QFont textFont_;  // the widget's font without kerning or shaping
  QFont markFont_;  // smaller, for the names in control marks
  std::optional<ui::AdvanceCache> advances_;
  std::unordered_map<std::size_t, double> rowWidths_;
  int rowHeight_ = 0;
  bool syncing_ = false;
  mutable ui::LineStore::Scratch scratch_;
};
