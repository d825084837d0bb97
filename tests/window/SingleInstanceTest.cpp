// One running copy per user and folders: a later start hands its command line to the running
// copy, a claim left by a copy that died is taken over, and a copy that does not answer keeps
// a second one from starting.
#include <gtest/gtest.h>

#include <QFile>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <QUuid>
#include <future>

#include "SingleInstance.h"

namespace {

QString NewKey() {
  return QUuid::createUuid().toString(QUuid::Id128).left(16);
}

TEST(SingleInstance, ALaterStartHandsItsCommandLineToTheRunningCopy) {
  const QString Key = NewKey();
  TSingleInstance First(Key);
  QStringList Received;
  First.OnHandOver = [&](const QStringList& Arguments) { Received = Arguments; };
  ASSERT_EQ(First.Claim({}), TSingleInstance::TClaim::Claimed);

  // The later start waits for its answer; the running copy answers from its event loop.
  auto Later = std::async(std::launch::async, [&] {
    TSingleInstance Second(Key);
    return Second.Claim({QStringLiteral("march.vtape"), QStringLiteral("with\nbreak")});
  });
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Later.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30000));
  EXPECT_EQ(Later.get(), TSingleInstance::TClaim::HandedOver);
  EXPECT_EQ(Received, (QStringList{QStringLiteral("march.vtape"), QStringLiteral("with break")}));
}

TEST(SingleInstance, AClaimLeftByACopyThatDiedIsTakenOverAtOnce) {
  const QString Key = NewKey();
  TSingleInstance Probe(Key);
  // A process that has ended owns the lock, as after a crash.
  QProcess Ended;
  Ended.start(QStringLiteral("cat"));  // runs until its input ends
  ASSERT_TRUE(Ended.waitForStarted());
  const qint64 DeadId = Ended.processId();
  Ended.closeWriteChannel();
  ASSERT_TRUE(Ended.waitForFinished());
  QFile Lock(Probe.LockPath());
  ASSERT_TRUE(Lock.open(QIODevice::WriteOnly));
  Lock.write(QByteArray::number(DeadId) + "\nveltrona\n\n");
  Lock.close();
  TSingleInstance Next(Key);
  EXPECT_EQ(Next.Claim({}), TSingleInstance::TClaim::Claimed);
}

TEST(SingleInstance, ACopyThatDoesNotAnswerKeepsASecondOneFromStarting) {
  const QString Key = NewKey();
  TSingleInstance Names(Key);
  QLockFile Held(Names.LockPath());
  ASSERT_TRUE(Held.tryLock(0));
  QLocalServer Silent;  // accepts, never answers
  QLocalServer::removeServer(Names.ServerName());
  ASSERT_TRUE(Silent.listen(Names.ServerName()));
  TSingleInstance Later(Key);
  EXPECT_EQ(Later.Claim({}), TSingleInstance::TClaim::NoAnswer);
}

}  // namespace
