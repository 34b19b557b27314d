// The viewer's one window: the caption label, the list of speech lines, the
// path field and the Get button. It owns the reading state of the Get action
// and the lines it lists.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "speechfile/get_action.h"
#include "ui/common/line_store.h"

class QLabel;
class QLineEdit;
class QPushButton;
class LineListView;

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Combines two bytes into a signed 16-bit value whose pattern is bHi
  // followed by bLo.
  std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const;

  // Puts the path in txtPath and runs Get once the window is shown, as if
  // the user had typed it and clicked Get.
  void startWith(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The Get action: fills lstWords from the file named in txtPath.
  void cmdGet_Click();
  // A drop of one local file: its path goes to txtPath and Get runs.
  // Returns whether the drop was taken.
  bool takeDrop(QDropEvent* event);

  // iSpeechID, bFirst, bSecond, iTextLen, bText, iFileNum: kept between runs.
  speechfile::ReadingState reading_;
  ui::LineStore lines_;
  bool getWhenShown_ = false;

  QLabel* Label1;
  LineListView* lstWords;
  QLineEdit* txtPath;
  QPushButton* cmdGet;
};
