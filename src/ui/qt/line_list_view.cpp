#include "ui/qt/line_list_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWindow>
#include <cmath>
#include <unordered_map>

#include "listing/shown_text.h"

namespace {

constexpr int kTextMargin = 3;      // between the list's left edge and a line's text
constexpr double kMarkPadding = 2;  // inside a control mark, on each side

QString fromUtf8(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::u16string_view units(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// One line of the list, for assistive technology: its shown form, where it
// is, and whether it is the current one.
class LineItemAccessible final : public QAccessibleInterface {
 public:
  LineItemAccessible(LineListView* view, std::size_t row) : view_(view), row_(row) {}

  bool isValid() const override { return view_ && row_ < static_cast<std::size_t>(view_->rowCount()); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  // The line's text, and whether its entry was changed or is new, which
  // the list shows by its colour.
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return view_->shownLine(row_);
    if (t != QAccessible::Description) return QString();
    switch (view_->lineState(row_)) {
      case model::EntryState::Changed: return QCoreApplication::translate("LineListView", "Changed");
      case model::EntryState::New: return QCoreApplication::translate("LineListView", "New entry");
      case model::EntryState::AsRead: break;
    }
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect inView = view_->rowRect(row_);
    return QRect(view_->viewport()->mapToGlobal(inView.topLeft()), inView.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = s.focusable = true;
    const bool current = view_->currentRow() == row_;
    s.selected = s.focused = current;
    s.invisible = s.offscreen = !view_->viewport()->rect().intersects(view_->rowRect(row_));
    return s;
  }

 private:
  LineListView* view_;
  std::size_t row_;
};

// The list for assistive technology: a list whose children are its lines,
// made when asked for, so that a list of millions of lines costs nothing
// until someone reads it.
class LineListAccessible final : public QAccessibleWidget {
 public:
  explicit LineListAccessible(LineListView* view) : QAccessibleWidget(view, QAccessible::List) {}
  ~LineListAccessible() override { forgetRows(); }

  int childCount() const override { return list()->rowCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const auto found = children_.find(index);
    if (found != children_.end()) return QAccessible::accessibleInterface(found->second);
    auto* item = new LineItemAccessible(list(), static_cast<std::size_t>(index));  // owned by QAccessible
    children_.emplace(index, QAccessible::registerAccessibleInterface(item));
    return item;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [row, id] : children_) {
      if (QAccessible::accessibleInterface(id) == child) return row;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = list()->viewport()->mapFromGlobal(QPoint(x, y));
    for (int row = static_cast<int>(list()->verticalScrollBar()->value()); row < childCount(); ++row) {
      const QRect box = list()->rowRect(static_cast<std::size_t>(row));
      if (box.top() > at.y()) break;
      if (box.contains(at)) return child(row);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const auto row = list()->currentRow();
    return row ? child(static_cast<int>(*row)) : nullptr;
  }
  // The lines' interfaces go when the rows are shown afresh.
  void forgetRows() {
    for (const auto& [row, id] : children_) QAccessible::deleteAccessibleInterface(id);
    children_.clear();
  }

 private:
  LineListView* list() const { return static_cast<LineListView*>(widget()); }
  mutable std::unordered_map<int, QAccessible::Id> children_;
};

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("LineListView") && object && object->isWidgetType()) {
    return new LineListAccessible(static_cast<LineListView*>(object));  // owned by QAccessible
  }
  return nullptr;
}

}  // namespace

LineListView::LineListView(const ui::ViewerSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session) {
  static const bool factoryInstalled = (QAccessible::installFactory(makeAccessible), true);
  (void)factoryInstalled;
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  useFont();
}

void LineListView::useFont() {
  textFont_ = font();
  // Without kerning a line's width is the sum of its characters' advances,
  // which is how its visible part is found.
  textFont_.setKerning(false);
  markFont_ = textFont_;
  if (textFont_.pointSizeF() > 0)
    markFont_.setPointSizeF(textFont_.pointSizeF() * 0.7);
  else
    markFont_.setPixelSize(std::max(6, textFont_.pixelSize() * 7 / 10));
  const QFontMetricsF text(textFont_, viewport());
  const QFontMetricsF marks(markFont_, viewport());
  rowHeight_ = static_cast<int>(std::ceil(text.height())) + 2;
  advances_.emplace(
      [text](std::u16string_view c) {
        return text.horizontalAdvance(
            QString(reinterpret_cast<const QChar*>(c.data()), static_cast<qsizetype>(c.size())));
      },
      [marks](char16_t c) {
        return std::ceil(marks.horizontalAdvance(fromUtf8(listing::controlName(c)))) + 2 * kMarkPadding + 2;
      });
  widest_.reset();
  rowWidths_.clear();
}

QString LineListView::line(std::size_t row) const { return fromUtf8(session_.line(row, scratch_)); }

QString LineListView::shownLine(std::size_t row) const { return fromUtf8(session_.shownLine(row)); }

QRect LineListView::rowRect(std::size_t row) const {
  const long long offset = static_cast<long long>(row) - static_cast<long long>(state_.top());
  const long long top = std::clamp<long long>(offset * rowHeight_, -2 * rowHeight_, viewport()->height() + rowHeight_);
  return QRect(0, static_cast<int>(top), viewport()->width(), rowHeight_);
}

double LineListView::rowWidth(std::size_t row, std::u16string_view chars) {
  // Enough rows for many screens; forgetting them all now and then keeps it small.
  if (rowWidths_.size() > 4096) rowWidths_.clear();
  const auto [at, added] = rowWidths_.try_emplace(row, 0.0);
  if (added) at->second = ui::lineWidth(chars, *advances_) + 2 * kTextMargin;
  return at->second;
}

void LineListView::showRows() { showRowCount(session_.rowCount()); }

void LineListView::showNoRows() { showRowCount(0); }

void LineListView::showTextsAgain() {
  widest_.reset();
  rowWidths_.clear();
  if (state_.rowCount() > 0) {
    const std::size_t longest = session_.longestRow();
    widest_.take(rowWidth(longest, units(line(longest))));
  }
  state_.setContentWidth(widest_.width());
  syncScrollBars();
  viewport()->update();
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void LineListView::showRowCount(std::size_t rows) {
  state_.reset(rows);
  widest_.reset();
  rowWidths_.clear();
  if (rows > 0) {
    const std::size_t longest = session_.longestRow();
    widest_.take(rowWidth(longest, units(line(longest))));
  }
  state_.setContentWidth(widest_.width());
  if (auto* accessible = dynamic_cast<LineListAccessible*>(QAccessible::queryAccessibleInterface(this))) {
    accessible->forgetRows();
  }
  layOutView();
  viewport()->update();
  if (QAccessible::isActive()) {
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
  }
  emit currentRowChanged();
}

void LineListView::showEditedRows(std::optional<std::size_t> current) {
  const std::size_t top = state_.top();
  const double left = state_.left();
  showRowCount(session_.rowCount());
  state_.scrollTo(top);
  state_.scrollHorizontallyTo(left);
  if (current && *current < state_.rowCount()) state_.select(*current);
  syncScrollBars();
  viewport()->update();
  emit currentRowChanged();
}

void LineListView::selectRow(std::size_t row) {
  const auto before = state_.current();
  state_.select(row);
  afterMove(before);
}

void LineListView::layOutView() {
  state_.setView(static_cast<std::size_t>(std::max(1, viewport()->height() / rowHeight_)), viewport()->width());
  syncScrollBars();
}

void LineListView::syncScrollBars() {
  syncing_ = true;
  verticalScrollBar()->setRange(0, static_cast<int>(state_.maxTop()));
  verticalScrollBar()->setPageStep(static_cast<int>(state_.rowsInView()));
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setValue(static_cast<int>(state_.top()));
  horizontalScrollBar()->setRange(0, static_cast<int>(std::ceil(state_.maxLeft())));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(static_cast<int>(ui::ListState::kColumnStep));
  horizontalScrollBar()->setValue(static_cast<int>(state_.left()));
  syncing_ = false;
}

void LineListView::scrollContentsBy(int, int) {
  if (!syncing_) {
    state_.scrollTo(static_cast<std::size_t>(verticalScrollBar()->value()));
    state_.scrollHorizontallyTo(horizontalScrollBar()->value());
  }
  viewport()->update();
}

void LineListView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  layOutView();
}

void LineListView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    useFont();
    showRows();
  }
}

void LineListView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void LineListView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void LineListView::keyPressEvent(QKeyEvent* event) {
  static const std::pair<int, ui::ListKey> kKeys[] = {
      {Qt::Key_Up, ui::ListKey::Up},         {Qt::Key_Down, ui::ListKey::Down},
      {Qt::Key_PageUp, ui::ListKey::PageUp}, {Qt::Key_PageDown, ui::ListKey::PageDown},
      {Qt::Key_Home, ui::ListKey::Home},     {Qt::Key_End, ui::ListKey::End},
      {Qt::Key_Left, ui::ListKey::Left},     {Qt::Key_Right, ui::ListKey::Right}};
  for (const auto& [key, listKey] : kKeys) {
    if (event->key() == key && !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
      const auto before = state_.current();
      state_.press(listKey);
      afterMove(before);
      return;
    }
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void LineListView::mousePressEvent(QMouseEvent* event) {
  // The right button selects too, so that the context menu acts on the line
  // under the pointer.
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
    return QAbstractScrollArea::mousePressEvent(event);
  }
  setFocus(Qt::MouseFocusReason);
  const std::size_t row =
      state_.top() + static_cast<std::size_t>(std::max(0, event->position().toPoint().y()) / rowHeight_);
  if (row < state_.rowCount()) selectRow(row);
}

void LineListView::afterMove(std::optional<std::size_t> before) {
  syncScrollBars();
  viewport()->update();
  if (state_.current() == before) return;
  emit currentRowChanged();
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this)) {
    if (QAccessibleInterface* item = list->child(static_cast<int>(*state_.current()))) {
      QAccessibleEvent focus(item, QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
      QAccessibleEvent selection(item, QAccessible::Selection);
      QAccessible::updateAccessibility(&selection);
    }
  }
}

void LineListView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(textFont_);
  const std::size_t end = std::min(state_.rowCount(), state_.top() + state_.rowsInView() + 1);
  const double widestBefore = widest_.width();
  for (std::size_t row = state_.top(); row < end; ++row) {
    paintRow(painter, row, static_cast<int>(row - state_.top()) * rowHeight_);
  }
  if (widest_.width() != widestBefore) {
    // A wider line came into view: let the horizontal range reach its end.
    state_.setContentWidth(widest_.width());
    QMetaObject::invokeMethod(this, &LineListView::syncScrollBars, Qt::QueuedConnection);
  }
}

void LineListView::paintRow(QPainter& painter, std::size_t row, int top) {
  const QString text = line(row);
  const std::u16string_view chars = units(text);
  const bool current = state_.current() == row;
  const QRect box(0, top, viewport()->width(), rowHeight_);
  const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
  if (current) painter.fillRect(box, palette().brush(group, QPalette::Highlight));
  paintEditMark(painter, session_.lineState(row), box, current);
  painter.setPen(palette().color(group, current ? QPalette::HighlightedText : QPalette::Text));

  const QFontMetricsF metrics(textFont_, viewport());
  const double baseline = top + (rowHeight_ - metrics.height()) / 2 + metrics.ascent();
  const double origin = kTextMargin - state_.left();  // where the line starts in the viewport
  for (const ui::PlacedPiece& piece : ui::piecesInView(chars, *advances_, -origin, viewport()->width() - origin)) {
    const double x = origin + piece.x;
    if (piece.mark) {
      paintMark(painter, chars[piece.start], QRectF(x, top, advances_->advance(chars, piece.start), rowHeight_),
                current);
    } else {
      painter.drawText(QPointF(x, baseline),
                       text.mid(static_cast<qsizetype>(piece.start), static_cast<qsizetype>(piece.length)));
    }
  }
  widest_.take(rowWidth(row, chars));

  if (current && hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = box;
    focus.backgroundColor = palette().color(group, QPalette::Highlight);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

// A changed line gets an amber bar at its left edge, a new one a green bar
// and a light green ground, so that both stand out without touching the text.
void LineListView::paintEditMark(QPainter& painter, model::EntryState state, const QRect& box, bool current) const {
  if (state == model::EntryState::AsRead) return;
  const bool isNew = state == model::EntryState::New;
  if (!current) painter.fillRect(box, isNew ? QColor(0xE3, 0xF4, 0xE1) : QColor(0xFD, 0xF1, 0xD8));
  painter.fillRect(QRect(box.left(), box.top(), kTextMargin, box.height()),
                   isNew ? QColor(0x2E, 0x8B, 0x3A) : QColor(0xD9, 0x8A, 0x00));
}

void LineListView::paintMark(QPainter& painter, char16_t control, QRectF box, bool selected) const {
  const QRectF mark = box.adjusted(1, 2, -1, -2);
  const QColor ink = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
  QColor fill = ink;
  fill.setAlphaF(0.15f);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, 0.8));
  painter.setBrush(fill);
  painter.drawRoundedRect(mark, 2, 2);
  painter.setFont(markFont_);
  painter.drawText(mark, Qt::AlignCenter, fromUtf8(listing::controlName(control)));
  painter.restore();
}
