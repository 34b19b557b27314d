// The list's lines as a Qt list model: the shared line store, told to the
// views in one batch when a Get ends.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include "speechfile/get_action.h"
#include "ui/common/line_store.h"

class SpeechLinesModel final : public QAbstractListModel, public speechfile::LineList {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Empties the list at once and gives its memory back.
  void clear() override;
  // Stores the entry; views learn of it at the next publish().
  void addItem(const speechfile::Entry& entry) override { store_.addItem(entry); }
  void skipEmpty(const speechfile::Entry& entry) override { store_.skipEmpty(entry); }
  // Tells the views about every line added since the last call, in one batch.
  void publish();

  int rowCount(const QModelIndex& parent = {}) const override;
  // The display and accessible text of a line is its shown form.
  QVariant data(const QModelIndex& index, int role) const override;

  const ui::LineStore& store() const { return store_; }
  // The row's line exactly as formed, as UTF-16, control characters kept.
  QString line(int row) const;

 private:
  ui::LineStore store_;
  int publishedRows_ = 0;
  mutable ui::LineStore::Scratch scratch_;
};
