#include <QApplication>

#include "ui/qt/frm_main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  frmMain window;
  window.show();
  return app.exec();
}
