#include "ui/common/services.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>

#include "ui/common/filled_template.h"
#include "ui/common/program_texts.h"
#include "ui/common/quoted.h"

namespace ui {

void MessageBoxDialogs::ShowMessage(QWidget* parent, const QString& text,
                                    reading::MessageIcon icon) {
  QMessageBox box(
      icon == reading::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

int MessageBoxDialogs::AskChoice(QWidget* parent, const QString& text, const QStringList& options) {
  QMessageBox box(QMessageBox::Question, kAppTitle, text, QMessageBox::Cancel, parent);
  QList<QAbstractButton*> buttons;
  for (const QString& option : options) buttons << box.addButton(option, QMessageBox::AcceptRole);
  box.exec();
  return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

DesktopLinkOpener::DesktopLinkOpener(Opener open, Teller tell)
    : open_(open ? std::move(open) : Opener(&QDesktopServices::openUrl)),
      tell_(tell ? std::move(tell) : [](const QString& message) {
        QMessageBox box(QMessageBox::Information, kAppTitle, message, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        // The address is there to be copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
      }) {}

void DesktopLinkOpener::Open(const QUrl& address) {
  if (!open_(address)) tell_(UnopenedMessage(address));
}

QString DesktopLinkOpener::UnopenedMessage(const QUrl& address) {
  return Filled(QCoreApplication::translate(
                    "Services",
                    "No web browser could be started for this page. To visit it, copy its "
                    "address into a browser:\n\n%1"),
                {address.toString()});
}

namespace {

// A copy starting at this moment creates its lock empty and writes its owner just after; a
// lock whose owner still cannot be read this long after its last change was left half-written
// by a crash.
constexpr qint64 kUnwrittenLockMs = 5000;
// How long a second copy waits for the running one to take its file.
constexpr int kHandOverMs = 2000;
// A path longer than this is no path a copy would send.
constexpr qsizetype kLongestMessage = 64 * 1024;
// Connections held at once. Copies start one at a time, a few at most together (a file
// manager opening several files); more is a flood, of which the oldest connection goes first.
constexpr std::size_t kMostConnections = 16;
// How long accepting rests after the system refused a connection (no descriptor left): the
// connection still waiting keeps the socket readable, and accepting at once again would spin.
constexpr int kAcceptRestMs = 250;
const QString kLockName = QStringLiteral("orvel-pataki-chakra.lock");
// The answers' bytes, in the order of HandOverAnswer ("y" is what every earlier copy sent).
constexpr char kAnswerBytes[] = "yqb";

bool IsRegularFileOrAbsent(const QString& path) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

// The socket's address, or false when the path does not fit in one.
bool SocketAddress(const QString& path, sockaddr_un& address) {
  const QByteArray name = QFile::encodeName(path);
  address = {};
  address.sun_family = AF_UNIX;
  if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
    return false;
  std::copy(name.begin(), name.end(), address.sun_path);
  return true;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  explicit Descriptor(int d) : fd(d) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
};

}  // namespace

bool IsOwnPrivateFolder(const QString& path) {
  if (path.isEmpty()) return false;
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0) {
    if (errno != ENOENT || ::mkdir(name.constData(), 0700) != 0) return false;
    if (::lstat(name.constData(), &info) != 0) return false;
  }
  return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Accepts the connections of later copies; each sends one path ending in a zero byte (which
// no path holds) and is answered with one byte once the path is read (kAnswerBytes).
class LockFileInstanceGuard::Listener : public QObject {
 public:
  Listener(int fd, std::function<HandOverAnswer(const QString&)> take)
      : fd_(fd), take_(std::move(take)), notifier_(fd, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { Accept(); });
  }
  ~Listener() override {
    for (auto& [fd, connection] : connections_) {
      connection.notifier.reset();
      ::close(fd);
    }
    notifier_.setEnabled(false);
    ::close(fd_);
  }

 private:
  struct Connection {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
    std::uint64_t arrival = 0;  // the oldest is dropped first
  };

  void Accept() {
    for (;;) {
      const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) {
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) Rest();
        return;
      }
      // Only this user's own copies may hand over a file.
      ucred peer{};
      socklen_t size = sizeof peer;
      if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::geteuid()) {
        ::close(fd);
        continue;
      }
      if (connections_.size() >= kMostConnections) Close(Oldest());
      auto& connection = connections_[fd];
      connection.arrival = ++arrivals_;
      connection.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
      QObject::connect(connection.notifier.get(), &QSocketNotifier::activated, this,
                       [this, fd] { Read(fd); });
    }
  }

  void Rest() {
    notifier_.setEnabled(false);
    QTimer::singleShot(kAcceptRestMs, this, [this] { notifier_.setEnabled(true); });
  }

  int Oldest() const {
    return std::min_element(connections_.begin(), connections_.end(),
                            [](auto& a, auto& b) { return a.second.arrival < b.second.arrival; })
        ->first;
  }

  void Close(int fd) {
    // The notifier may be inside its own signal: deleted once control is back in the event
    // loop.
    Connection& connection = connections_[fd];
    connection.notifier->setEnabled(false);
    connection.notifier.release()->deleteLater();
    ::close(fd);
    connections_.erase(fd);
  }

  void Read(int fd) {
    Connection& connection = connections_[fd];
    char buffer[4096];
    ssize_t got = 0;
    // Never more than a path's worth: a peer that writes without end is cut off, not followed.
    while (connection.received.size() <= kLongestMessage &&
           (got = ::read(fd, buffer, sizeof buffer)) > 0)
      connection.received.append(buffer, got);
    const qsizetype end = connection.received.indexOf('\0');
    const bool open = end > 0 && end <= kLongestMessage;
    const bool finished = open || got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR) ||
                          connection.received.size() > kLongestMessage;
    if (!finished) return;
    if (open) {
      const QString path = QString::fromUtf8(connection.received.left(end));
      const char answer = kAnswerBytes[static_cast<int>(take_(path))];
      (void)!::send(fd, &answer, 1, MSG_NOSIGNAL);
    }
    Close(fd);
  }

  int fd_;
  std::function<HandOverAnswer(const QString&)> take_;
  QSocketNotifier notifier_;
  std::map<int, Connection> connections_;
  std::uint64_t arrivals_ = 0;
};

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockPath) : lock_(lockPath) {
  // Only a dead owner makes a lock stale; a copy left running for days keeps its claim. (Qt
  // itself takes over a lock of a dead process on this host; Abandoned() covers the rest.)
  lock_.setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() {
  if (listener_) ::unlink(QFile::encodeName(SocketPath()).constData());
}

bool LockFileInstanceGuard::AnotherIsRunning() {
  if (lock_.isLocked()) return false;
  // A directory or a symlink where the lock belongs can never be taken over: the program
  // starts without a lock rather than never.
  if (lock_.fileName().isEmpty() || !IsRegularFileOrAbsent(lock_.fileName())) return false;
  if (lock_.tryLock(0)) return false;
  // A lock that cannot be written at all (no such directory, no permission) must not keep
  // the program from starting; only a lock held by a live copy counts.
  if (lock_.error() != QLockFile::LockFailedError) return false;
  if (!Abandoned()) return true;
  // Removal fails while a live owner holds the file's system lock, so a live copy is safe.
  return !(lock_.removeStaleLockFile() && lock_.tryLock(0));
}

QString LockFileInstanceGuard::SocketPath() const {
  QString path = lock_.fileName();
  if (path.endsWith(QStringLiteral(".lock"))) path.chop(5);
  return path + QStringLiteral(".socket");
}

HandOverAnswer LockFileInstanceGuard::HandOver(const QString& path) {
  constexpr HandOverAnswer kNone = HandOverAnswer::NoAnswer;
  sockaddr_un address{};
  if (!SocketAddress(SocketPath(), address)) return kNone;
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.fd < 0) return kNone;
  // Connecting and sending share the wait with the answer: about two seconds in all.
  constexpr timeval wait{kHandOverMs / 2 / 1000, kHandOverMs / 2 % 1000 * 1000};
  ::setsockopt(socket.fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
  if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return kNone;
  const QByteArray message = path.toUtf8() + '\0';
  for (qsizetype sent = 0; sent < message.size();) {
    const ssize_t n = ::send(socket.fd, message.constData() + sent,
                             static_cast<std::size_t>(message.size() - sent), MSG_NOSIGNAL);
    if (n <= 0) return kNone;
    sent += n;
  }
  pollfd answer{socket.fd, POLLIN, 0};
  char reply = 0;
  if (::poll(&answer, 1, kHandOverMs / 2) != 1 || ::read(socket.fd, &reply, 1) != 1) return kNone;
  const char* known = std::strchr(kAnswerBytes, reply);
  return reply && known ? static_cast<HandOverAnswer>(known - kAnswerBytes) : kNone;
}

void LockFileInstanceGuard::ListenForFiles(std::function<HandOverAnswer(const QString&)> take) {
  if (!lock_.isLocked() || listener_) return;
  sockaddr_un address{};
  if (!SocketAddress(SocketPath(), address)) {
    // Said, so that a later start's file that is not handed over is not a mystery.
    qWarning(
        "orvel-pataki-chakra: the runtime folder's path is too long for a socket (%d bytes, "
        "at most %d), so files cannot be handed to this copy: \"%s\"",
        static_cast<int>(QFile::encodeName(SocketPath()).size()),
        static_cast<int>(sizeof address.sun_path) - 1, qUtf8Printable(Quoted(SocketPath())));
    return;
  }
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // A socket left by a copy that crashed; this copy holds the lock, so no live copy uses it.
  ::unlink(address.sun_path);
  // Made owner-only from the start: the folder is the user's own, the socket no one else's.
  const mode_t mask = ::umask(0177);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(mask);
  if (!bound || ::listen(fd, 8) != 0) {
    ::close(fd);
    return;
  }
  listener_ = std::make_unique<Listener>(fd, std::move(take));
}

bool LockFileInstanceGuard::Abandoned() const {
  qint64 pid = 0;
  QString host, application;
  if (lock_.getLockInfo(&pid, &host, &application))
    return !host.isEmpty() && host != QSysInfo::machineHostName();
  const QFileInfo file(lock_.fileName());
  if (!file.exists()) return false;
  return file.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockMs;
}

QString LockFileInstanceGuard::DefaultLockPath() {
  // Never the shared temporary folder itself: there one user's lock would block another.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  // A relative path would be taken from whatever folder the program was started in.
  if (!runtime.isEmpty() && QDir::isRelativePath(runtime))
    qWarning(
        "orvel-pataki-chakra: XDG_RUNTIME_DIR is not an absolute path (\"%s\"); it is not "
        "used.",
        qUtf8Printable(Quoted(runtime)));
  else if (IsOwnPrivateFolder(runtime))
    return QDir(runtime).filePath(kLockName);
  const QString own =
      QDir(QDir::tempPath()).filePath(QStringLiteral("orvel-pataki-chakra-%1").arg(::geteuid()));
  return IsOwnPrivateFolder(own) ? QDir(own).filePath(kLockName) : QString();
}

}  // namespace ui
