// The Edit entry and New entry window: the entry's ID in hexadecimal and its
// text, and under them how many bytes the text takes and why OK would take
// nothing, as the session says while the user types. OK (Enter) hands the
// fields to the main window, which makes the edit; the window stays open,
// saying why, when the session refuses them. Cancel (Escape) changes nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "ui/common/viewer_session.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

class EditEntryDialog final : public QDialog {
  Q_OBJECT

 public:
  // Makes the edit the fields ask for; returns why it was not made, or "".
  using Apply = std::function<std::string(const ui::ViewerSession::EntryFields& fields)>;

  // For the row's entry (Edit entry), or for a new one (none: New entry).
  EditEntryDialog(QWidget* parent, const ui::ViewerSession& session, std::optional<std::size_t> row,
                  const ui::ViewerSession::EntryFields& start, Apply apply);

  void accept() override;

 private:
  ui::ViewerSession::EntryFields fields() const;
  void fieldsEdited();

  const ui::ViewerSession& session_;
  std::optional<std::size_t> row_;
  Apply apply_;
  QLineEdit* id_;
  QLineEdit* text_;
  QLabel* bytes_;
  QLabel* note_;
  QLabel* problem_;
  QDialogButtonBox* buttons_;
};
