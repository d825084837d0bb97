// The tape document's reader and writer without a window: a document reads back as it was
// written, unknown fields are ignored, and every kind of bad input is refused with one reason
// and nothing else.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "NumberEntry.h"
#include "TapeDocument.h"

namespace {

// 12 + 30 = with its lines, in Fixed with 2 decimals, the first number picked and retyped.
TTapeDocument SampleDocument() {
  TTapeDocument Doc;
  Doc.FontFamily = QStringLiteral("DejaVu Sans Mono");
  Doc.FontSize = 11;
  Doc.Current.Settings.Format = 4;
  Doc.Current.Settings.TaxName = "GST";
  Doc.Current.Settings.TaxRate = 0.15;
  Doc.Current.Entries = {{sceStart, true, 12}, {sceAdd, true, 30}, {sceEquals, false, 0}};
  Doc.Current = *CalcDocument::WorkedOut(Doc.Current);
  Doc.Lines = {
      {"A note", TTapeLineKind::Note, 0x0000FF, false, true, true, {}},
      {"12.00", TTapeLineKind::Entry, 0, false, false, false, {sceStart, sceNone, 4, 2}},
      {"+ 30.00", TTapeLineKind::Entry, 0, false, false, false, {sceAdd, sceNone, 4, 2}},
      {"= 42.00", TTapeLineKind::Total, 0xFF0000, true, false, true, {sceEquals, sceNone, 4, 2}},
      {"------------", TTapeLineKind::Separator, 0, false, false, false, {}}};
  Doc.LineEntries = {0, 1, 2, 0, 0};
  TNumberEntry Typed;
  Typed.AppendDigit(7, 10);
  Doc.Input = {"7", 7, Typed.Saved(), 1};
  return Doc;
}

QJsonObject SampleJson() {
  return QJsonDocument::fromJson(WriteTapeDocument(SampleDocument())).object();
}

std::string Refusal(const QByteArray& Bytes) {
  const TTapeDocumentRead Read = ReadTapeDocument(Bytes);
  EXPECT_FALSE(Read.Document.has_value());
  return Read.Error.toStdString();
}

std::string Refusal(const QJsonObject& Root) {
  return Refusal(QJsonDocument(Root).toJson());
}

TEST(TapeDocumentTest, ADocumentReadsBackAsWritten) {
  const TTapeDocument Doc = SampleDocument();
  const TTapeDocumentRead Read = ReadTapeDocument(WriteTapeDocument(Doc));
  ASSERT_TRUE(Read.Document.has_value()) << Read.Error.toStdString();
  EXPECT_EQ(*Read.Document, Doc);
  EXPECT_EQ(ExactText(Read.Document->Current.Total), ExactText(42));

  // Fields this version does not know, and a newer minor part, are ignored.
  QJsonObject Root = SampleJson();
  Root.insert(QStringLiteral("comment"), QStringLiteral("from a later version"));
  QJsonArray Lines = Root.value(QStringLiteral("lines")).toArray();
  QJsonObject First = Lines.at(0).toObject();
  First.insert(QStringLiteral("stamp"), 12345);
  Lines.replace(0, First);
  Root.insert(QStringLiteral("lines"), Lines);
  const TTapeDocumentRead Again = ReadTapeDocument(QJsonDocument(Root).toJson());
  ASSERT_TRUE(Again.Document.has_value()) << Again.Error.toStdString();
  EXPECT_EQ(*Again.Document, Doc);
}

TEST(TapeDocumentTest, BadInputIsRefusedWithOneReason) {
  const QByteArray Good = WriteTapeDocument(SampleDocument());
  EXPECT_NE(Refusal(Good.left(Good.size() / 2)).find("cut short"), std::string::npos);
  EXPECT_NE(Refusal(QByteArray("12 + 30 = 42\r\n")).find("cut short"), std::string::npos);
  EXPECT_NE(Refusal(QByteArray("[1, 2, 3]")).find("not a Veltrona tape"), std::string::npos);
  EXPECT_NE(Refusal(QByteArray()).find("cut short"), std::string::npos);

  // Each change of shape on the sample.
  const std::vector<std::pair<std::function<void(QJsonObject&)>, std::string>> Cases = {
      {[](QJsonObject& R) { R.insert(QStringLiteral("version"), 2); },
       "tape format version 2 by a newer Veltrona"},
      {[](QJsonObject& R) { R.remove(QStringLiteral("version")); }, "version is missing"},
      {[](QJsonObject& R) { R.insert(QStringLiteral("lines"), 5); }, "no tape lines"},
      {[](QJsonObject& R) {
         R.insert(QStringLiteral("lines"), QJsonArray{QJsonObject{{"kind", "total"}}});
       },
       "Line 1 is not a tape line"},
      {[](QJsonObject& R) {
         R.insert(QStringLiteral("lines"),
                  QJsonArray{QJsonObject{{"kind", "entry"}, {"text", "1"}, {"color", "red"}}});
       },
       "Line 1 is not a tape line"},
      {[](QJsonObject& R) {
         R.insert(QStringLiteral("lines"),
                  QJsonArray{QJsonObject{{"kind", "entry"}, {"text", "1\n2"}}});
       },
       "Line 1 is not a tape line"},
      {[](QJsonObject& R) {
         R.insert(QStringLiteral("lines"),
                  QJsonArray{QJsonObject{{"kind", "entry"}, {"text", QString(1025, u'9')}}});
       },
       "Line 1 is longer than 1024 characters"},
      {[](QJsonObject& R) { R.remove(QStringLiteral("calculations")); },
       "current calculation is missing"},
      {[](QJsonObject& R) {
         QJsonObject Calc = R.value("calculations").toArray().at(0).toObject();
         Calc.insert(QStringLiteral("total"), QString::fromStdString(ExactText(43)));
         R.insert(QStringLiteral("calculations"), QJsonArray{Calc});
       },
       "Calculation 1 does not work out to the total it records"},
      {[](QJsonObject& R) {
         QJsonObject Calc = R.value("calculations").toArray().at(0).toObject();
         QJsonObject Settings = Calc.value("settings").toObject();
         Settings.insert(QStringLiteral("precedence"), QStringLiteral("as-entered"));
         Settings.insert(QStringLiteral("tapeFormat"), 9);
         Calc.insert(QStringLiteral("settings"), Settings);
         R.insert(QStringLiteral("calculations"), QJsonArray{Calc});
       },
       "Calculation 1 is not a calculation"},
      {[](QJsonObject& R) {
         QJsonObject Calc = R.value("calculations").toArray().at(0).toObject();
         QJsonArray Entries = Calc.value("entries").toArray();
         Entries.prepend(QJsonObject{{"op", "sceAdd"}});
         Calc.insert(QStringLiteral("entries"), Entries);
         R.insert(QStringLiteral("calculations"), QJsonArray{Calc});
       },
       "Calculation 1 does not work out"},
      {[](QJsonObject& R) {
         QJsonObject Current = R.value("current").toObject();
         Current.insert(QStringLiteral("picked"), 3);  // the "=" holds no number
         R.insert(QStringLiteral("current"), Current);
       },
       "display is damaged"},
      {[](QJsonObject& R) {
         QJsonArray Lines = R.value("lines").toArray();
         QJsonObject Line = Lines.at(3).toObject();
         Line.insert(QStringLiteral("calculation"), 0);
         Line.insert(QStringLiteral("entry"), 3);
         Lines.replace(3, Line);
         R.insert(QStringLiteral("lines"), Lines);
       },
       "points at a number its calculation does not have"},
  };
  for (const auto& [Change, Reason] : Cases) {
    QJsonObject Root = SampleJson();
    Change(Root);
    EXPECT_NE(Refusal(Root).find(Reason), std::string::npos) << Reason;
  }
}

TEST(TapeDocumentTest, HugeDocumentsAreRefusedBeforeTheyAreUsed) {
  // A line of 10 MB.
  QJsonObject Root = SampleJson();
  Root.insert(QStringLiteral("lines"),
              QJsonArray{QJsonObject{{"kind", "note"}, {"text", QString(10 << 20, u'x')}}});
  EXPECT_NE(Refusal(Root).find("Line 1 is longer"), std::string::npos);

  // A million lines.
  QByteArray Million = R"({"format":"application/x-veltrona-tape","version":1,"lines":[)";
  for (int N = 0; N < 1'000'000; ++N)
    Million += N ? R"(,{"kind":"entry","text":""})" : R"({"kind":"entry","text":""})";
  Million += "]}";
  EXPECT_NE(Refusal(Million).find("It has 1000000 lines"), std::string::npos);

  // A file larger than any document is not read at all.
  QTemporaryDir Dir;
  QFile Big(Dir.filePath(QStringLiteral("big.vtape")));
  ASSERT_TRUE(Big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(Big.resize(TTapeDocument::MaxBytes + 1));
  Big.close();
  const TTapeDocumentRead Read = OpenTapeDocument(Big.fileName());
  EXPECT_FALSE(Read.Document.has_value());
  EXPECT_NE(Read.Error.toStdString().find("larger than 64 MB"), std::string::npos);
  EXPECT_NE(OpenTapeDocument(Dir.filePath(QStringLiteral("none.vtape")))
                .Error.toStdString()
                .find("could not be read"),
            std::string::npos);
}

TEST(TapeDocumentTest, SavingReplacesTheFileWhole) {
  QTemporaryDir Dir;
  const QString File = Dir.filePath(QStringLiteral("march.vtape"));
  ASSERT_FALSE(SaveTapeDocument(File, SampleDocument()).has_value());
  const TTapeDocumentRead Read = OpenTapeDocument(File);
  ASSERT_TRUE(Read.Document.has_value()) << Read.Error.toStdString();
  EXPECT_EQ(*Read.Document, SampleDocument());
  // A folder that does not exist: the reason, and no file.
  EXPECT_TRUE(SaveTapeDocument(Dir.filePath(QStringLiteral("no/such.vtape")), SampleDocument())
                  .has_value());
}

}  // namespace
