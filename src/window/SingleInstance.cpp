#include "SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "DataFolder.h"

namespace {

// A hand-over is the word "open", the arguments, one per line, and an empty line; the running
// copy answers "ok".
constexpr char Greeting[] = "open";
constexpr char Reply[] = "ok\n";
constexpr qsizetype MaxMessageBytes = 64 * 1024;

QString RuntimeFolder() {
  const QString Runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return Runtime.isEmpty() ? QDir::tempPath() : Runtime;
}

// The socket's address; nothing when the path is too long for one.
std::optional<sockaddr_un> Address(const QString& Path) {
  sockaddr_un Result{};
  Result.sun_family = AF_UNIX;
  const QByteArray Native = QFile::encodeName(Path);
  if (Native.isEmpty() || static_cast<std::size_t>(Native.size()) >= sizeof(Result.sun_path))
    return std::nullopt;
  std::memcpy(Result.sun_path, Native.constData(), static_cast<std::size_t>(Native.size()));
  return Result;
}

class TDescriptor {
 public:
  explicit TDescriptor(int Fd) : fFd(Fd) {}
  ~TDescriptor() {
    if (fFd >= 0) ::close(fFd);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int get() const { return fFd; }

 private:
  int fFd;
};

// Waits until Fd is ready for Events or Ms have passed.
bool Ready(int Fd, short Events, int Ms) {
  pollfd Poll{Fd, Events, 0};
  int Result;
  do Result = ::poll(&Poll, 1, Ms);
  while (Result < 0 && errno == EINTR);
  return Result > 0;
}

}  // namespace

// A later start connected to this copy: its socket and what it sent so far.
struct TSingleInstance::TCaller {
  int Fd = -1;
  std::unique_ptr<QSocketNotifier> Notifier;
  QByteArray Received;
};

TSingleInstance::TSingleInstance(const QString& Key)
    : fLockPath(QDir(RuntimeFolder()).filePath(QStringLiteral("veltrona-%1.lock").arg(Key))),
      fServerName(QDir(RuntimeFolder()).filePath(QStringLiteral("veltrona-%1.socket").arg(Key))),
      fLock(fLockPath) {
  // A lock whose owner is no longer running is taken over at once, whatever its age.
  fLock.setStaleLockTime(0);
}

TSingleInstance::~TSingleInstance() {
  for (const auto& Caller : fCallers) ::close(Caller->Fd);
  if (fListening >= 0) {
    ::close(fListening);
    QFile::remove(fServerName);
  }
}

QString TSingleInstance::DefaultKey() {
  const QSettings Settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("veltrona"));
  const QByteArray Folders = (Settings.fileName() + u'\n' + TDataFolder::DefaultPath()).toUtf8();
  return QString::fromLatin1(
      QCryptographicHash::hash(Folders, QCryptographicHash::Sha256).toHex().left(16));
}

TSingleInstance::TClaim TSingleInstance::Claim(const QStringList& Arguments) {
  if (fLock.tryLock(0)) {
    Listen();
    return TClaim::Claimed;
  }
  // A runtime folder that takes no lock cannot keep copies apart; start as before.
  if (fLock.error() != QLockFile::LockFailedError) return TClaim::Claimed;
  return HandOver(Arguments) ? TClaim::HandedOver : TClaim::NoAnswer;
}

void TSingleInstance::Listen() {
  const std::optional<sockaddr_un> Where = Address(fServerName);
  if (!Where) return;
  const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (Fd < 0) return;
  // A socket left by a copy that crashed is in the way of a new one; the lock says it is not
  // in use.
  ::unlink(Where->sun_path);
  // Only this user may hand over.
  const mode_t Mask = ::umask(0077);
  const bool Bound =
      ::bind(Fd, reinterpret_cast<const sockaddr*>(&*Where), sizeof(sockaddr_un)) == 0;
  ::umask(Mask);
  if (!Bound || ::listen(Fd, 8) != 0) {
    ::close(Fd);
    return;
  }
  fListening = Fd;
  fListener = new QSocketNotifier(Fd, QSocketNotifier::Read, this);
  connect(fListener, &QSocketNotifier::activated, this, [this] { Accept(); });
}

bool TSingleInstance::HandOver(const QStringList& Arguments) const {
  QByteArray Message = QByteArray(Greeting) + '\n';
  for (const QString& Argument : Arguments) Message += Argument.toUtf8().replace('\n', ' ') + '\n';
  Message += '\n';
  const std::optional<sockaddr_un> Where = Address(fServerName);
  if (!Where) return false;
  QElapsedTimer Clock;
  Clock.start();
  const auto Left = [&] {
    return static_cast<int>(std::max<qint64>(0, AnswerMs - Clock.elapsed()));
  };
  std::unique_ptr<TDescriptor> Socket;
  // The running copy may be starting up itself and not listen yet.
  for (;;) {
    auto Trial = std::make_unique<TDescriptor>(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (Trial->get() < 0) return false;
    if (::connect(Trial->get(), reinterpret_cast<const sockaddr*>(&*Where), sizeof(sockaddr_un)) ==
        0) {
      Socket = std::move(Trial);
      break;
    }
    if (Left() == 0) return false;
    QThread::msleep(20);
  }
  ::fcntl(Socket->get(), F_SETFL, ::fcntl(Socket->get(), F_GETFL) | O_NONBLOCK);
  for (qsizetype Sent = 0; Sent < Message.size();) {
    if (!Ready(Socket->get(), POLLOUT, Left())) return false;
    const ssize_t Now = ::send(Socket->get(), Message.constData() + Sent,
                               static_cast<std::size_t>(Message.size() - Sent), MSG_NOSIGNAL);
    if (Now < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (Now > 0) Sent += Now;
  }
  QByteArray Answered;
  while (!Answered.contains('\n')) {
    if (!Ready(Socket->get(), POLLIN, Left())) return false;
    char Buffer[64];
    const ssize_t Now = ::recv(Socket->get(), Buffer, sizeof Buffer, 0);
    if (Now == 0) return false;
    if (Now < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (Now > 0) Answered.append(Buffer, Now);
  }
  return Answered.startsWith(Reply);
}

void TSingleInstance::Accept() {
  for (;;) {
    const int Fd = ::accept4(fListening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (Fd < 0) {
      if (errno == EINTR) continue;
      return;
    }
    auto Caller = std::make_unique<TCaller>();
    Caller->Fd = Fd;
    Caller->Notifier = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Read);
    TCaller* Which = Caller.get();
    connect(Caller->Notifier.get(), &QSocketNotifier::activated, this,
            [this, Which] { Read(*Which); });
    fCallers.push_back(std::move(Caller));
  }
}

void TSingleInstance::Read(TCaller& Caller) {
  for (;;) {
    char Buffer[4096];
    const ssize_t Now = ::recv(Caller.Fd, Buffer, sizeof Buffer, 0);
    if (Now < 0 && errno == EINTR) continue;
    if (Now < 0 && errno == EAGAIN) break;
    // Gone, failed, or more than a command line.
    if (Now <= 0 || Caller.Received.size() + Now > MaxMessageBytes) return HangUp(Caller);
    Caller.Received.append(Buffer, Now);
  }
  if (!Caller.Received.endsWith("\n\n")) return;
  const QList<QByteArray> Lines = Caller.Received.split('\n');
  if (Lines.value(0) != Greeting) return HangUp(Caller);
  QStringList Arguments;
  for (qsizetype I = 1; I < Lines.size(); ++I)
    if (!Lines[I].isEmpty()) Arguments << QString::fromUtf8(Lines[I]);
  // Answered first: the later start is waiting, and the window's own work may take a while.
  ::send(Caller.Fd, Reply, std::strlen(Reply), MSG_NOSIGNAL);
  HangUp(Caller);
  if (OnHandOver) OnHandOver(Arguments);
}

void TSingleInstance::HangUp(const TCaller& Caller) {
  const auto It = std::find_if(fCallers.begin(), fCallers.end(),
                               [&](const auto& Each) { return Each.get() == &Caller; });
  if (It == fCallers.end()) return;
  (*It)->Notifier->setEnabled(false);
  ::close((*It)->Fd);
  // Deleted later: this may run inside the notifier's own signal.
  (*It)->Notifier.release()->deleteLater();
  fCallers.erase(It);
}
