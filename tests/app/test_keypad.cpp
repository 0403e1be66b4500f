#include "app/giadsp.h"
#include "support/fakehost.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

// Presses keys by caption and returns the display.
QString press(Giadsp& app, const QString& start, const QStringList& keys)
{
    using enum ControlId;
    static const QHash<QString, ControlId> buttons = {
        {"7", Command6},  {"8", Command7},  {"9", Command8},   {"4", Command9},
        {"5", Command10}, {"6", Command11}, {"1", Command12},  {"2", Command13},
        {"3", Command14}, {"0", Command15}, {"・", Command16}, {"CLS", Command17},
    };
    app.form().Label11.text = start;
    for (const QString& key : keys) {
        EXPECT_TRUE(buttons.contains(key)) << qPrintable(key);
        EXPECT_TRUE(app.raise(buttons.value(key)));
    }
    return app.form().Label11.text;
}

TEST(Keypad, BuildsTheEntryByItsRules)
{
    FakeHost host;
    TempFolder dir;
    Giadsp app(host, dir.path());
    const struct
    {
        const char* name;
        const char* start;
        QStringList keys;
        const char* entry;
    } cases[] = {
        {"digits around a point", "0", {"7", "・", "5"}, "7.5"},
        {"zero on zero", "0", {"0"}, "0"},
        {"a point on a bare zero", "0", {"・"}, "0"},
        {"zeros after digits", "12", {"0", "0"}, "1200"},
        {"a second point", "7.5", {"・"}, "7.5"},
        {"a zero after the point", "1", {"・", "0"}, "1.0"},
        {"a trailing point", "1", {"・"}, "1."},
        {"clear", "84", {"CLS"}, "0"},
        {"clear on zero", "0", {"CLS"}, "0"},
        {"every digit", "0", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "123456789"},
        // The whole entry is checked: a point after the 12th character still
        // keeps a second one out.
        {"a point far along", "1234567890123.5", {"・", "1"}, "1234567890123.51"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(press(app, c.start, c.keys), QString::fromUtf8(c.entry)) << c.start;
    }
}

} // namespace

namespace {

// A refused entry stays on the keypad and the message tells why, quoting a
// long entry by its start and end.
TEST(Keypad, RefusedEntriesSayWhy)
{
    const QString huge(600, u'9');
    const struct
    {
        const char* name;
        QString entry;
        QString message;
    } cases[] = {
        {"beyond 16 bits", "40000", "入力「40000」が歯数の範囲（-32768～32767）を超えています"},
        {"beyond doubles", huge,
         "入力「" + QString(19, u'9') + "…" + QString(20, u'9') +
             "」が歯数の範囲（-32768～32767）を超えています"},
        {"not a number", "1.2.3", "入力「1.2.3」は数値ではありません"},
    };
    for (const auto& c : cases) {
        FakeHost host;
        TempFolder dir;
        Giadsp app(host, dir.path());
        app.form().Label11.text = c.entry;
        app.Command2_Click();
        ASSERT_FALSE(host.messages.isEmpty()) << c.name;
        EXPECT_EQ(host.messages.first(), c.message) << c.name;
        EXPECT_EQ(app.form().Label11.text, c.entry) << c.name;
    }
}

} // namespace
