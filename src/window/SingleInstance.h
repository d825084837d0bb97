// One running copy per user and folders: the first start claims a lock file in the runtime
// folder and answers later starts on a local socket; a later start hands its command line
// over to the running copy, which comes to the front, and ends. Two copies would each write
// the history files from their own memory and erase what the other one finished.
// The socket is a plain Unix domain socket watched by the event loop: Qt's network library
// would bring a dozen further libraries into every start.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

class TSingleInstance : public QObject {
  Q_OBJECT

 public:
  // How long a later start waits for the running copy to answer.
  static constexpr int AnswerMs = 2000;

  // Key names the settings file and data folder that copies must not share.
  explicit TSingleInstance(const QString& Key);
  ~TSingleInstance() override;

  // The key for the settings and data folders this user's copies use.
  static QString DefaultKey();

  enum class TClaim {
    Claimed,     // this is the only copy: go on starting
    HandedOver,  // the running copy has the command line: end with status 0
    NoAnswer,    // a copy holds the claim but did not answer: start no second writer
  };
  TClaim Claim(const QStringList& Arguments);

  // Called in the running copy with a later start's command line.
  std::function<void(const QStringList& Arguments)> OnHandOver;

  QString LockPath() const { return fLockPath; }
  QString ServerName() const { return fServerName; }

 private:
  struct TCaller;

  bool HandOver(const QStringList& Arguments) const;
  void Listen();
  void Accept();
  void Read(TCaller& Caller);
  void HangUp(const TCaller& Caller);

  QString fLockPath;
  QString fServerName;
  QLockFile fLock;
  int fListening = -1;
  QSocketNotifier* fListener = nullptr;
  std::vector<std::unique_ptr<TCaller>> fCallers;
};
