// Files the program reads, whatever stands in their place: nothing waits on a pipe.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "ui/output/birth_details_file.h"

namespace {

struct Outcome {
  bool finished = false;  // within the time given, and without a failed check
  QByteArray errors;      // what it wrote on standard error
};

// Runs `body` in a child process that is ended after `seconds`: a call that waits forever
// fails the test instead of hanging it. `body` returns whether its checks held.
Outcome RunWithin(int seconds, const std::function<bool()>& body) {
  QTemporaryFile errors;
  if (!errors.open()) return {};
  std::fflush(stderr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(errors.handle(), STDERR_FILENO);
    ::alarm(static_cast<unsigned>(seconds));
    const bool held = body();
    std::fflush(stderr);
    ::_exit(held ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  errors.seek(0);
  return {WIFEXITED(status) && WEXITSTATUS(status) == 0, errors.readAll()};
}

}  // namespace

class FileReadingTest : public QObject {
  Q_OBJECT

 private slots:
  // A named pipe renamed over a regular file between a look at the path and its opening:
  // the reader neither waits for a writer nor reads the pipe.
  void aPipeSwappedInIsNeverWaitedOn() {
    QTemporaryDir dir;
    const QString path = dir.filePath("birth.opc.json");
    const QByteArray regular = QFile::encodeName(dir.filePath("regular"));
    const QByteArray pipe = QFile::encodeName(dir.filePath("pipe"));
    const QByteArray target = QFile::encodeName(path);
    QVERIFY(QFile::copy(QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json"), path));
    const Outcome outcome = RunWithin(20, [&] {
      std::atomic<bool> done = false;
      std::thread swapper([&] {
        // Each round puts the pipe in place, then the file again.
        while (!done) {
          if (::mkfifo(pipe.constData(), 0600) != 0 ||
              ::rename(target.constData(), regular.constData()) != 0 ||
              ::rename(pipe.constData(), target.constData()) != 0 ||
              ::rename(target.constData(), pipe.constData()) != 0 ||
              ::unlink(pipe.constData()) != 0 ||
              ::rename(regular.constData(), target.constData()) != 0)
            std::abort();
        }
      });
      int refused = 0, read = 0;
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 2000) {
        const ui::OpenedBirthDetails opened = ui::ReadBirthDetailsFile(path);
        if (opened.details)
          ++read;
        else if (opened.error.contains("not a regular file") ||
                 opened.error.contains("No such file"))
          ++refused;
        else
          return false;
      }
      done = true;
      swapper.join();
      std::fprintf(stderr, "%d read, %d refused\n", read, refused);
      return read > 0;
    });
    QVERIFY2(outcome.finished, "a read waited on the pipe, or gave an unexpected answer");
  }
};

QTEST_GUILESS_MAIN(FileReadingTest)
#include "file_reading_test.moc"
