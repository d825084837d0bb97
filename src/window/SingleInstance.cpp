#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include "DataFolder.h"

namespace {

// A hand-over is the word "open", the arguments, one per line, and an empty line; the running
// copy answers "ok".
constexpr char Greeting[] = "open";
constexpr char Reply[] = "ok";
constexpr qsizetype MaxMessageBytes = 64 * 1024;

QString RuntimeFolder() {
  const QString Runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return Runtime.isEmpty() ? QDir::tempPath() : Runtime;
}

}  // namespace

TSingleInstance::TSingleInstance(const QString& Key)
    : fLockPath(QDir(RuntimeFolder()).filePath(QStringLiteral("veltrona-%1.lock").arg(Key))),
#ifdef Q_OS_WIN
      fServerName(QStringLiteral("veltrona-%1").arg(Key)),
#else
      fServerName(QDir(RuntimeFolder()).filePath(QStringLiteral("veltrona-%1.socket").arg(Key))),
#endif
      fLock(fLockPath) {
  // A lock whose owner is no longer running is taken over at once, whatever its age.
  fLock.setStaleLockTime(0);
  fServer.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&fServer, &QLocalServer::newConnection, this, [this] { Answer(); });
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
  // A socket left by a copy that crashed is in the way of a new one.
  QLocalServer::removeServer(fServerName);
  fServer.listen(fServerName);
}

bool TSingleInstance::HandOver(const QStringList& Arguments) const {
  QByteArray Message = QByteArray(Greeting) + '\n';
  for (const QString& Argument : Arguments) Message += Argument.toUtf8().replace('\n', ' ') + '\n';
  Message += '\n';
  QElapsedTimer Clock;
  Clock.start();
  const auto Left = [&] {
    return static_cast<int>(std::max<qint64>(0, AnswerMs - Clock.elapsed()));
  };
  QLocalSocket Socket;
  // The running copy may be starting up itself and not listen yet.
  for (;;) {
    Socket.connectToServer(fServerName);
    if (Socket.waitForConnected(Left())) break;
    if (Left() == 0) return false;
    QThread::msleep(20);
  }
  Socket.write(Message);
  if (!Socket.waitForBytesWritten(Left())) return false;
  QByteArray Answered;
  while (!Answered.contains('\n')) {
    if (!Socket.waitForReadyRead(Left())) return false;
    Answered += Socket.readAll();
  }
  return Answered.startsWith(Reply);
}

void TSingleInstance::Answer() {
  while (QLocalSocket* Socket = fServer.nextPendingConnection()) {
    connect(Socket, &QLocalSocket::disconnected, Socket, &QObject::deleteLater);
    connect(Socket, &QLocalSocket::readyRead, this, [this, Socket] {
      if (Socket->property("answered").toBool()) return;
      QByteArray Received = Socket->property("received").toByteArray() + Socket->readAll();
      if (Received.size() > MaxMessageBytes) {
        Socket->abort();
        return;
      }
      Socket->setProperty("received", Received);
      if (!Received.endsWith("\n\n")) return;
      QList<QByteArray> Lines = Received.split('\n');
      if (Lines.value(0) != Greeting) {
        Socket->abort();
        return;
      }
      QStringList Arguments;
      for (qsizetype I = 1; I < Lines.size(); ++I)
        if (!Lines[I].isEmpty()) Arguments << QString::fromUtf8(Lines[I]);
      Socket->setProperty("answered", true);
      if (OnHandOver) OnHandOver(Arguments);
      Socket->write(QByteArray(Reply) + '\n');
      Socket->flush();
      Socket->disconnectFromServer();
    });
  }
}
