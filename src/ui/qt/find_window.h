// The find window: a text, "Match case", Find next and Find previous, in a
// small window of its own beside the main window, whose layout stays as it
// is. It searches nothing itself: it asks, and the main window searches its
// list and tells it how that went.
#pragma once

#include <QDialog>
#include <string>

#include "ui/common/find_line.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultsPane;

class FindWindow final : public QDialog {
  Q_OBJECT

 public:
  // A window of `parent`'s, placed where it leaves `keepInView` (the
  // list) in view.
  FindWindow(QWidget* parent, const QWidget* keepInView);

  bool hasText() const;
  // The search the window's fields ask for, in the direction given.
  ui::FindRequest request(ui::FindDirection direction) const;

  // Shows the window in front, its text selected to type over; the first
  // time beside the main window, or where it hides least of the list.
  void showForTyping();

  // Says how the last search went (nothing, when the message is empty).
  void tell(const std::string& message);

  // Find all's lines, in a pane below the fields that shows once there are
  // any to show.
  ResultsPane* found() const { return found_; }
  void showFound();

 signals:
  void findRequested(ui::FindDirection direction);
  void findAllRequested();

 private:
  void textEdited();

  QLineEdit* text_;
  QCheckBox* matchCase_;
  QLabel* status_;
  QPushButton* next_;
  QPushButton* previous_;
  QPushButton* all_;
  ResultsPane* found_;
  const QWidget* keepInView_;
  bool placed_ = false;
};
