// The lists beside the main list in the Qt window: a results pane (the count,
// a line for what a step says, and the rows, drawn only where in view, so
// that a million rows cost nothing), shared by the find window's Find all
// and the Differences window, which holds one and nothing else.
#pragma once

#include <QAbstractListModel>
#include <QDialog>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>

#include "ui/common/results_list.h"

class QLabel;
class QListView;

// The rows of a results list, for a list view: each formed when drawn.
class ResultsModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Shows `results` (none: no rows) afresh.
  void show(const ui::ResultsList* results);
  const ui::ResultsList* results() const { return results_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const ui::ResultsList* results_ = nullptr;
};

class ResultsPane final : public QWidget {
  Q_OBJECT

 public:
  // Named `name` for assistive technology ("Lines found", "Differences").
  ResultsPane(const QString& name, QWidget* parent);

  // Shows the results afresh, none current; none: an empty pane.
  void showResults(const ui::ResultsList* results);
  std::optional<std::size_t> current() const;
  // Makes the row current and scrolls it into view; its main row is chosen.
  void select(std::size_t index);
  // What the last step says (nothing, when the message is empty).
  void tell(const std::string& message);
  QListView* list() const { return list_; }

 signals:
  // The current row moved to one that stands for this main list's row.
  void mainRowChosen(std::size_t mainRow);

 private:
  void currentMoved(const QModelIndex& now);

  QLabel* count_;
  QLabel* status_;
  QListView* list_;
  ResultsModel* model_;
};

// The Differences window: a window of its own beside the main window, titled
// "Differences", with the compare's results pane.
class DifferencesWindow final : public QDialog {
  Q_OBJECT

 public:
  DifferencesWindow(QWidget* parent, const QWidget* keepInView);

  ResultsPane* pane() const { return pane_; }
  // Shows the window beside the main window (the first time), or where it
  // hides least of the list, without taking the focus from it.
  void showBeside();

 private:
  ResultsPane* pane_;
  const QWidget* keepInView_;
  bool placed_ = false;
};

// Places `window`, beside its parent, where it leaves `keepInView` in view.
void placeBesideParent(QWidget* window, const QWidget* keepInView);
