#include <QApplication>
#include <QIcon>
#include <QThreadPool>

#include "ui/qt/command_line.h"
#include "ui/qt/frm_main.h"
#include "ui/qt/translations.h"

int main(int argc, char* argv[]) {
  const CommandLine line = readCommandLine(argc, argv);
  if (line.exitStatus) return *line.exitStatus;
  if (!displayAvailable()) return 1;
  // The toolkit gets no arguments of ours to read as its own options.
  int toolkitArgc = argc > 0 ? 1 : 0;
  const std::unique_ptr<QApplication> application = startToolkit(toolkitArgc, argv);
  // The toolkit paints with threads of its pool, which it starts when it
  // first needs them: started now and kept, so that painting never waits for
  // a thread the system cannot give when memory is short.
  // The window speaks the user's language, as the locale gives it.
  const Translations translations{QLocale()};
  QThreadPool::globalInstance()->setExpiryTimeout(-1);
  QThreadPool::globalInstance()->start([] {});
  // The desktop entry's name (the application ID) lets the desktop match the
  // window to its entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.speechviewer"));
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  QApplication::setWindowIcon(icon);
  frmMain window;
  if (line.encoding) window.chooseEncoding(line.encoding);
  if (line.compareWith) {
    window.startComparing(*line.compareWith, *line.path);
  } else if (line.path) {
    window.startWith(*line.path);
  }
  window.show();
  return QApplication::exec();
}
