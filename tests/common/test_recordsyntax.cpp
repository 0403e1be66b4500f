#include "common/recordfile.h"
#include "common/recordsyntax.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordSyntax, ReadsFieldsAsTheDataFilesHoldThem)
{
    const struct
    {
        const char* name;
        const char* line;
        QStringList fields;
    } cases[] = {
        {"full record",
         "Car A,48P,2.6,80,15,20,15,1,1",
         {"Car A", "48P", "2.6", "80", "15", "20", "15", "1", "1"}},
        {"empty line", "", {""}},
        {"empty middle field", "a,,b", {"a", "", "b"}},
        {"leading blanks", "  a,\tb", {"a", "b"}},
        {"quoted comma", "\"x, y\",z", {"x, y", "z"}},
        {"text after the closing quote", "\"quoted\" trailing,next", {"quoted", "next"}},
        {"unterminated quote", "\"unterminated, still one", {"unterminated, still one"}},
        {"trailing comma", "a,", {"a", ""}},
        {"doubled quotes", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"Japanese text", "XXモジュール,60,90", {"XXモジュール", "60", "90"}},
        {"control characters as blanks",
         "\"a\tb\",c\x01"
         "d\x7f",
         {"a b", "c d "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordSyntax::readFields(QString::fromUtf8(c.line)), c.fields)
            << c.line << ": " << c.name;
}

TEST(RecordSyntax, WrittenValuesReadBackExactly)
{
    const QStringList values = {"plain", "with,comma", " lead",      "trail ", "say \"hi\"",
                                "",      "\"",         "ｽﾊﾟｰ～２＆", ",",      "  "};
    const QString line = RecordSyntax::writeRecord(values);
    EXPECT_EQ(RecordSyntax::readFields(line), values) << qPrintable(line);
    for (const QString& v : values)
        EXPECT_EQ(RecordSyntax::readFirstField(RecordSyntax::writeField(v)), v) << qPrintable(v);
}

TEST(RecordSyntax, PlainValuesAreWrittenWithoutQuotes)
{
    EXPECT_EQ(RecordSyntax::writeRecord({"Car A", "48P", "2.6", "80", "15", "20", "15", "1", "1"}),
              "Car A,48P,2.6,80,15,20,15,1,1");
    EXPECT_EQ(RecordSyntax::writeField("ギア比確認ツール"), "ギア比確認ツール");
}

TEST(RecordSyntax, RecordsSkipBlankLinesAndPadShortOnes)
{
    const auto records = RecordFile::Snapshot::of("a,b,c\r\n\r\n   \r\nd\r\ne,f,g,h\r\n");
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records.fields(0, 3), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(records.fields(1, 3), (QStringList{"d", "", ""}));
    EXPECT_EQ(records.fields(2, 3), (QStringList{"e", "f", "g"}));
}

} // namespace
