#include <QApplication>

#include "ui/qt/command_line.h"
#include "ui/qt/frm_main.h"

int main(int argc, char* argv[]) {
  const CommandLine line = readCommandLine(argc, argv);
  if (line.exitStatus) return *line.exitStatus;
  if (!displayAvailable()) return 1;
  // The toolkit gets no arguments of ours to read as its own options.
  int toolkitArgc = argc > 0 ? 1 : 0;
  QApplication app(toolkitArgc, argv);
  frmMain window;
  if (line.path) window.startWith(*line.path);
  window.show();
  return app.exec();
}
