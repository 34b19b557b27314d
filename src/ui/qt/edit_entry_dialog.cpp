#include "ui/qt/edit_entry_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>
#include <utility>

namespace {

QString qtText(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* wrappingLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

EditEntryDialog::EditEntryDialog(QWidget* parent, const ui::ViewerSession& session, std::optional<std::size_t> row,
                                 const ui::ViewerSession::EntryFields& start, Apply apply)
    : QDialog(parent),
      session_(session),
      row_(row),
      apply_(std::move(apply)),
      id_(new QLineEdit(qtText(start.id), this)),
      text_(new QLineEdit(qtText(start.text), this)),
      bytes_(wrappingLabel(this, "bytes")),
      note_(wrappingLabel(this, "note")),
      problem_(wrappingLabel(this, "problem")),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  setObjectName(QStringLiteral("editEntry"));
  setWindowTitle(row ? tr("Edit entry") : tr("New entry"));
  setModal(true);
  id_->setObjectName(QStringLiteral("id"));
  text_->setObjectName(QStringLiteral("text"));
  // A text longer than an entry can hold is refused with its count, never cut.
  text_->setMaxLength(INT_MAX);
  problem_->setStyleSheet(QStringLiteral("color: #b00000;"));

  auto* form = new QFormLayout;
  form->addRow(tr("&ID (hexadecimal):"), id_);
  form->addRow(tr("&Text:"), text_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(bytes_);
  layout->addWidget(note_);
  layout->addWidget(problem_);
  layout->addWidget(buttons_);

  connect(id_, &QLineEdit::textEdited, this, &EditEntryDialog::fieldsEdited);
  connect(text_, &QLineEdit::textEdited, this, &EditEntryDialog::fieldsEdited);
  connect(buttons_, &QDialogButtonBox::accepted, this, &EditEntryDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &EditEntryDialog::reject);
  fieldsEdited();
  resize(420, sizeHint().height());
  text_->setFocus();
  text_->selectAll();
}

ui::ViewerSession::EntryFields EditEntryDialog::fields() const {
  return {id_->text().toStdString(), text_->text().toStdString()};
}

void EditEntryDialog::fieldsEdited() {
  const ui::ViewerSession::FieldsCheck check = session_.checkFields(row_, fields());
  bytes_->setText(qtText(check.bytes));
  bytes_->setVisible(!check.bytes.empty());
  note_->setText(qtText(check.note));
  note_->setVisible(!check.note.empty());
  problem_->setText(qtText(check.problem));
  problem_->setVisible(!check.problem.empty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(check.problem.empty());
}

void EditEntryDialog::accept() {
  const std::string failure = apply_(fields());
  if (failure.empty()) return QDialog::accept();
  problem_->setText(qtText(failure));
  problem_->setVisible(true);
}
