// SPDX-License-Identifier: MIT
#include "ui/text/text_items.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Items = QList<QByteArray>;

class TestTextItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Items>("items");
        // After the items: true when the next read fails at the end of the bytes, false
        // when it fails on a quote right after a closing quote.
        QTest::addColumn<bool>("endsAtEnd");

        const auto row = [](const char *tag, QByteArray input, Items items, bool atEnd = true) {
            QTest::newRow(tag) << input << items << atEnd;
        };
        row("nothing", "", {});
        row("quoted line", "\"a\",\"b\"\r\n", {"a", "b"});
        row("empty quoted items", "\"\",\"\",\"\"\r\n", {"", "", ""});
        row("separators and spaces inside quotes", "\" a,b: c \"\r\n", {" a,b: c "});
        row("spaces around quoted", "  \"a\"  ,  \"b\"  \r\n", {"a", "b"});
        row("unquoted trimmed", "  abc  ,  de f  \r\n", {"abc", "de f"});
        row("colon ends unquoted", "a:b\r\n", {"a", "b"});
        row("colon after closing quote", "\"a\":\"b\"", {"a", "b"});
        row("CR alone ends item", "a\rb", {"a", "b"});
        row("CR LF ends item", "a\r\nb\r\n", {"a", "b"});
        row("lone LF is ordinary", "a\nb,c", {"a\nb", "c"});
        row("LF after closing quote", "\"a\"\n\"b\"\n", {"a", "b"});
        row("other character after closing quote is lost", "\"a\"xb,c", {"a", "b", "c"});
        row("quote inside unquoted", "ab\"c,d", {"ab\"c", "d"});
        row("missing closing quote", "\"abc  \r\nd", {"abc", "d"});
        row("missing closing quote at end", "\"abc  ", {"abc"});
        row("CR inside quotes", "\"a\rb\"", {"a", "b\""});
        row("NUL bytes dropped", QByteArray("\0\0\"a\0b\"\0,c\0d\r\n", 14), {"ab", "cd"});
        row("blank line is one empty item", "\r\n\"a\"\r\n", {"", "a"});
        row("separator at the end", "a,", {"a"});
        row("spaces only", "   ", {""});
        row("spaces after last item", "\"a\"   ", {"a"});
        row("code page 932 bytes kept", "\"\x82\x60\x82\x61\",\x83\x5c",
            {"\x82\x60\x82\x61", "\x83\x5c"});
        row("doubled quote", "\"a\"\"b\"", {}, false);
        row("quote after spaces after closing quote", "\"x\",\"a\" \"b\"", {"x"}, false);
    }

    void read()
    {
        QFETCH(QByteArray, input);
        QFETCH(Items, items);
        QFETCH(bool, endsAtEnd);

        ui::ItemReader reader(input);
        Items got;
        while (auto item = reader.next())
            got << *item;
        QCOMPARE(got, items);
        QCOMPARE(reader.atEnd(), endsAtEnd);
    }

    void appendQuotedLine_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("line");
        QTest::newRow("four empty")
            << QStringList {u""_s, u""_s, u""_s, u""_s} << u"\"\",\"\",\"\",\"\"\r\n"_s;
        QTest::newRow("one") << QStringList {u"a"_s} << u"\"a\"\r\n"_s;
        QTest::newRow("comma kept") << QStringList {u"a,b"_s, u" c "_s} << u"\"a,b\",\" c \"\r\n"_s;
    }

    void appendQuotedLine()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, line);
        QString text = u"before"_s;
        ui::appendQuotedLine(text, items);
        QCOMPARE(text, u"before"_s + line);
        // What is written reads back item for item.
        const QByteArray bytes = line.toLatin1();
        ui::ItemReader reader(bytes);
        for (const QString &item : items)
            QCOMPARE(reader.next(), std::optional(item.toLatin1()));
        QVERIFY(reader.atEnd());
    }
};

QTEST_GUILESS_MAIN(TestTextItems)
#include "tst_text_items.moc"
