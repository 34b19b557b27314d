// The viewer's one window: the caption label, the list of speech lines, the
// path field and the Get button. It owns the reading state of the Get action.
#pragma once

#include <QWidget>
#include <cstdint>

#include "speechfile/get_action.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class SpeechLinesModel;

class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Combines two bytes into a signed 16-bit value whose pattern is bHi
  // followed by bLo.
  std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) const;

 private:
  // The Get action: fills lstWords from the file named in txtPath.
  void cmdGet_Click();

  QLabel* Label1;
  QListView* lstWords;
  QLineEdit* txtPath;
  QPushButton* cmdGet;
  SpeechLinesModel* lines_;

  // iSpeechID, bFirst, bSecond, iTextLen, bText, iFileNum: kept between runs.
  speechfile::ReadingState reading_;
};
