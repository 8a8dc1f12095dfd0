// SPDX-License-Identifier: MIT
#include "engine/input_check.h"
#include "test_helpers.h"

#include <QTest>
#include <cmath>

using namespace engine;

Q_DECLARE_METATYPE(engine::Field)
Q_DECLARE_METATYPE(engine::Reason)
Q_DECLARE_METATYPE(engine::Step)
Q_DECLARE_METATYPE(engine::RawInput)
Q_DECLARE_METATYPE(engine::FormInput)

namespace {

constexpr int kWestern = 1, kHeisei = 2, kShowa = 3, kTaisho = 4, kReiwa = 5;
constexpr Step kBack = Step::PreviousMonth, kOn = Step::NextMonth;

RawInput birthAndShown(int birthEra, float by, float bm, float bd, int shownEra, float sy, float sm,
    Step step = Step::AsEntered)
{
    RawInput raw;
    raw.birthEra = birthEra;
    raw.birthYear = by;
    raw.birthMonth = bm;
    raw.birthDay = bd;
    raw.shownEra = shownEra + 5;
    raw.shownYear = sy;
    raw.shownMonth = sm;
    raw.step = step;
    return raw;
}

} // namespace

class TestInputCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rejectedField_data();
    void rejectedField();
    void acceptedInput_data();
    void acceptedInput();
    void stepping_data();
    void stepping();
    void reasons_data();
    void reasons();
    void stepMonth_data();
    void stepMonth();
    void formInput_data();
    void formInput();
};

void TestInputCheck::rejectedField_data()
{
    QTest::addColumn<RawInput>("raw");
    QTest::addColumn<Field>("field");
    const float inf = HUGE_VALF;
    auto row = [](const char *tag, int birthEra, float by, float bm, float bd, int shownEra,
                   float sy, float sm, Field field) {
        QTest::newRow(tag) << birthAndShown(birthEra, by, bm, bd, shownEra, sy, sm) << field;
    };
    // Check 3.
    row("birth year 0", kWestern, 0, 1, 1, kWestern, 2024, 1, Field::BirthYear);
    row("birth year not a number (0)", kWestern, 0, 0, 0, kWestern, 0, 0, Field::BirthYear);
    row("昭和 64", kShowa, 64, 1, 1, kWestern, 2024, 1, Field::BirthYear);
    row("大正 16", kTaisho, 16, 1, 1, kWestern, 2024, 1, Field::BirthYear);
    row("令和 46", kReiwa, 46, 1, 1, kWestern, 2080, 1, Field::BirthYear);
    row("平成 99999 beyond year 9999", kHeisei, 99999, 1, 1, kWestern, 2024, 1, Field::BirthYear);
    row("birth year 10000", kWestern, 10000, 1, 1, kWestern, 10000, 1, Field::BirthYear);
    row("birth year infinite", kWestern, inf, 1, 1, kWestern, 2024, 1, Field::BirthYear);
    // Checks 5 and 6.
    row("birth month 0", kWestern, 2000, 0, 1, kWestern, 2024, 1, Field::BirthMonth);
    row("birth month 13", kWestern, 2000, 13, 1, kWestern, 2024, 1, Field::BirthMonth);
    row("29 Feb 2023", kWestern, 2023, 2, 29, kWestern, 2024, 1, Field::BirthDay);
    row("29 Feb 1900", kWestern, 1900, 2, 29, kWestern, 2024, 1, Field::BirthDay);
    row("29 Feb 平成 7 (1995)", kHeisei, 7, 2, 29, kWestern, 2024, 1, Field::BirthDay);
    row("31 April", kWestern, 2000, 4, 31, kWestern, 2024, 1, Field::BirthDay);
    row("day 0", kWestern, 2000, 4, 0, kWestern, 2024, 1, Field::BirthDay);
    // Check 7.
    row("displayed year 0", kWestern, 2000, 1, 1, kWestern, 0, 1, Field::ShownYear);
    row("displayed 令和 46", kWestern, 2000, 1, 1, kReiwa, 46, 1, Field::ShownYear);
    row("displayed 昭和 64", kWestern, 2000, 1, 1, kShowa, 64, 1, Field::ShownYear);
    row("displayed year 10000", kWestern, 9999, 1, 1, kWestern, 10000, 1, Field::ShownYear);
    row("displayed year infinite", kWestern, 2000, 1, 1, kWestern, inf, 1, Field::ShownYear);
    // Checks 9 to 11.
    row("month before the birth month", kWestern, 2000, 5, 1, kWestern, 2000, 4, Field::BirthYear);
    row("earlier year, earlier month", kWestern, 2000, 5, 1, kWestern, 1999, 4, Field::BirthYear);
    row("earlier year, later month", kWestern, 2000, 5, 1, kWestern, 1999, 6, Field::ShownYear);
    row("1029 years apart", kWestern, 1000, 1, 1, kWestern, 2029, 1, Field::ShownYear);
    row("displayed month 0", kWestern, 2000, 1, 1, kWestern, 2024, 0, Field::ShownMonth);
    row("displayed month 13", kWestern, 2000, 1, 1, kWestern, 2024, 13, Field::ShownMonth);
    // Order: the first failing check names the field.
    row("year before month", kWestern, 0, 13, 40, kWestern, 0, 13, Field::BirthYear);
    row("birth before displayed", kWestern, 2000, 2, 30, kWestern, 0, 13, Field::BirthDay);
}

void TestInputCheck::rejectedField()
{
    QFETCH(RawInput, raw);
    QFETCH(Field, field);
    QCOMPARE(checkInput(raw).rejected, field);
}

void TestInputCheck::acceptedInput_data()
{
    QTest::addColumn<RawInput>("raw");
    QTest::addColumn<float>("birthYear");
    QTest::addColumn<float>("shownYear");
    QTest::newRow("Western dates")
        << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 3) << 2000.0f << 2024.0f;
    QTest::newRow("29 Feb 2024") << birthAndShown(kWestern, 2024, 2, 29, kWestern, 2024, 3)
                                 << 2024.0f << 2024.0f;
    QTest::newRow("29 Feb 2000") << birthAndShown(kWestern, 2000, 2, 29, kWestern, 2000, 2)
                                 << 2000.0f << 2000.0f;
    QTest::newRow("昭和 63") << birthAndShown(kShowa, 63, 12, 31, kWestern, 1989, 1) << 1988.0f
                             << 1989.0f;
    QTest::newRow("大正 15") << birthAndShown(kTaisho, 15, 6, 1, kHeisei, 1, 1) << 1926.0f
                             << 1989.0f;
    QTest::newRow("令和 45") << birthAndShown(kReiwa, 45, 1, 1, kReiwa, 45, 12) << 2063.0f
                             << 2063.0f;
    QTest::newRow("平成 8011 is 9999")
        << birthAndShown(kHeisei, 8011, 1, 1, kWestern, 9999, 1) << 9999.0f << 9999.0f;
    QTest::newRow("the birth month")
        << birthAndShown(kWestern, 2000, 5, 31, kWestern, 2000, 5) << 2000.0f << 2000.0f;
    QTest::newRow("1028 years apart")
        << birthAndShown(kWestern, 1000, 1, 1, kWestern, 2028, 1) << 1000.0f << 2028.0f;
    QTest::newRow("month 2.5") << birthAndShown(kWestern, 2000, 2.5f, 30, kWestern, 2024, 2.5f)
                               << 2000.0f << 2024.0f;
    QTest::newRow("day 1.5") << birthAndShown(kWestern, 2000, 1, 1.5f, kWestern, 2024, 1) << 2000.0f
                             << 2024.0f;
}

void TestInputCheck::acceptedInput()
{
    QFETCH(RawInput, raw);
    QFETCH(float, birthYear);
    QFETCH(float, shownYear);
    const CheckOutcome outcome = checkInput(raw);
    QCOMPARE(outcome.rejected, Field::None);
    QVERIFY(!outcome.stepped);
    QCOMPARE_EXACT(outcome.input.birthYear, birthYear);
    QCOMPARE_EXACT(outcome.input.birthMonth, raw.birthMonth);
    QCOMPARE_EXACT(outcome.input.birthDay, raw.birthDay);
    QCOMPARE_EXACT(outcome.input.shownYear, shownYear);
    QCOMPARE_EXACT(outcome.input.shownMonth, raw.shownMonth);
}

void TestInputCheck::stepping_data()
{
    QTest::addColumn<RawInput>("raw");
    QTest::addColumn<bool>("stepped");
    QTest::addColumn<float>("year");
    QTest::addColumn<float>("month");
    QTest::addColumn<Field>("field");
    QTest::newRow("back from January")
        << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 1, kBack) << true << 2023.0f << 12.0f
        << Field::None;
    QTest::newRow("on from December")
        << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2023, 12, kOn) << true << 2024.0f << 1.0f
        << Field::None;
    QTest::newRow("back from March")
        << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 3, kBack) << true << 2024.0f << 2.0f
        << Field::None;
    QTest::newRow("平成 36 May onwards") << birthAndShown(kWestern, 2000, 1, 1, kHeisei, 36, 5, kOn)
                                         << true << 2024.0f << 6.0f << Field::None;
    QTest::newRow("令和 1 January back") << birthAndShown(kWestern, 2000, 1, 1, kReiwa, 1, 1, kBack)
                                         << true << 2018.0f << 12.0f << Field::None;
    // Stepping comes before checks 9 to 11: it turns month 0 and 13 into valid months,
    // and it is written back even when those checks then fail.
    QTest::newRow("month 0 onwards") << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 0, kOn)
                                     << true << 2024.0f << 1.0f << Field::None;
    QTest::newRow("month 13 back") << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 13, kBack)
                                   << true << 2024.0f << 12.0f << Field::None;
    QTest::newRow("back before the birth year")
        << birthAndShown(kWestern, 2024, 1, 1, kWestern, 2024, 1, kBack) << true << 2023.0f << 12.0f
        << Field::ShownYear;
    QTest::newRow("back before the birth month")
        << birthAndShown(kWestern, 2024, 3, 1, kWestern, 2024, 3, kBack) << true << 2024.0f << 2.0f
        << Field::BirthYear;
    QTest::newRow("on to month 13.5")
        << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 12.5f, kOn) << true << 2024.0f
        << 13.5f << Field::ShownMonth;
    // A step out of the years 1–9999 is refused like such a year typed in.
    QTest::newRow("on from December 9999") << birthAndShown(kWestern, 9000, 1, 1, kWestern, 9999,
        12, kOn) << false << 0.0f << 0.0f << Field::ShownYear;
    QTest::newRow("back from January of year 1") << birthAndShown(kWestern, 1, 1, 1, kWestern, 1, 1,
        kBack) << false << 0.0f << 0.0f << Field::ShownYear;
    // Nothing is stepped when check 7 or an earlier one fails, or as entered.
    QTest::newRow("bad displayed year") << birthAndShown(kWestern, 2000, 1, 1, kShowa, 64, 1, kOn)
                                        << false << 0.0f << 0.0f << Field::ShownYear;
    QTest::newRow("bad birth day") << birthAndShown(kWestern, 2000, 1, 32, kWestern, 2024, 1, kOn)
                                   << false << 0.0f << 0.0f << Field::BirthDay;
    QTest::newRow("as entered") << birthAndShown(
        kWestern, 2000, 1, 1, kWestern, 2024, 1, Step::AsEntered)
                                << false << 0.0f << 0.0f << Field::None;
}

void TestInputCheck::stepping()
{
    QFETCH(RawInput, raw);
    QFETCH(bool, stepped);
    QFETCH(float, year);
    QFETCH(float, month);
    QFETCH(Field, field);
    const CheckOutcome outcome = checkInput(raw);
    QCOMPARE(outcome.rejected, field);
    QCOMPARE(outcome.stepped.has_value(), stepped);
    if (!stepped)
        return;
    QCOMPARE_EXACT(outcome.stepped->shownYear, year);
    QCOMPARE_EXACT(outcome.stepped->shownMonth, month);
    if (field == Field::None) {
        QCOMPARE_EXACT(outcome.input.shownYear, year);
        QCOMPARE_EXACT(outcome.input.shownMonth, month);
    }
}

void TestInputCheck::reasons_data()
{
    QTest::addColumn<RawInput>("raw");
    QTest::addColumn<Field>("field");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<float>("bound");
    // The Western birth year as far as the checks worked it out (what a message may quote):
    // a year past 9999 is worked out, one outside its era is not.
    QTest::addColumn<float>("birthYear");
    QTest::newRow("accepted") << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 1)
                              << Field::None << Reason::None << 0.0f << 2000.0f;
    QTest::newRow("昭和 64: after its last year")
        << birthAndShown(kShowa, 64, 1, 1, kWestern, 2024, 1) << Field::BirthYear
        << Reason::NotInEra << 63.0f << 0.0f;
    QTest::newRow("西暦 0: no last year") << birthAndShown(kWestern, 0, 1, 1, kWestern, 2024, 1)
                                          << Field::BirthYear << Reason::NotInEra << 0.0f << 0.0f;
    QTest::newRow("displayed 令和 46") << birthAndShown(kWestern, 2000, 1, 1, kReiwa, 46, 1)
                                       << Field::ShownYear << Reason::NotInEra << 45.0f << 2000.0f;
    QTest::newRow("displayed 大正 0") << birthAndShown(kWestern, 2000, 1, 1, kTaisho, 0, 1)
                                      << Field::ShownYear << Reason::NotInEra << 15.0f << 2000.0f;
    QTest::newRow("平成 8012 is 10000")
        << birthAndShown(kHeisei, 8012, 1, 1, kWestern, 2024, 1) << Field::BirthYear
        << Reason::PastLargestYear << 9999.0f << 10000.0f;
    QTest::newRow("displayed year 10000")
        << birthAndShown(kWestern, 9999, 1, 1, kWestern, 10000, 1) << Field::ShownYear
        << Reason::PastLargestYear << 9999.0f << 9999.0f;
    QTest::newRow("stepped past 9999")
        << birthAndShown(kWestern, 9000, 1, 1, kWestern, 9999, 12, kOn) << Field::ShownYear
        << Reason::PastLargestYear << 9999.0f << 9000.0f;
    QTest::newRow("before the birth month")
        << birthAndShown(kShowa, 50, 5, 1, kWestern, 1975, 4) << Field::BirthYear
        << Reason::BeforeBirthMonth << 0.0f << 1975.0f;
    QTest::newRow("1029 years apart")
        << birthAndShown(kWestern, 1000, 1, 1, kWestern, 2029, 1) << Field::ShownYear
        << Reason::TooFarApart << 1028.0f << 1000.0f;
    QTest::newRow("a year before the birth year")
        << birthAndShown(kWestern, 2000, 5, 1, kWestern, 1999, 6) << Field::ShownYear
        << Reason::BeforeBirthYear << 0.0f << 2000.0f;
    QTest::newRow("birth month 13") << birthAndShown(kWestern, 2000, 13, 1, kWestern, 2024, 1)
                                    << Field::BirthMonth << Reason::NotAMonth << 0.0f << 2000.0f;
    QTest::newRow("displayed month 0") << birthAndShown(kWestern, 2000, 1, 1, kWestern, 2024, 0)
                                       << Field::ShownMonth << Reason::NotAMonth << 0.0f << 2000.0f;
    QTest::newRow("29 Feb 2023") << birthAndShown(kWestern, 2023, 2, 29, kWestern, 2024, 1)
                                 << Field::BirthDay << Reason::NotADay << 28.0f << 2023.0f;
    QTest::newRow("30 Feb 平成 8 (1996)") << birthAndShown(kHeisei, 8, 2, 30, kWestern, 2024, 1)
                                          << Field::BirthDay << Reason::NotADay << 29.0f << 1996.0f;
    QTest::newRow("31 April") << birthAndShown(kWestern, 2000, 4, 31, kWestern, 2024, 1)
                              << Field::BirthDay << Reason::NotADay << 30.0f << 2000.0f;
}

void TestInputCheck::reasons()
{
    QFETCH(RawInput, raw);
    QFETCH(Field, field);
    QFETCH(Reason, reason);
    QFETCH(float, bound);
    QFETCH(float, birthYear);
    const CheckOutcome outcome = checkInput(raw);
    QCOMPARE(outcome.rejected, field);
    QCOMPARE(outcome.reason, reason);
    QCOMPARE_EXACT(outcome.bound, bound);
    QCOMPARE_EXACT(outcome.input.birthYear, birthYear);
}

void TestInputCheck::stepMonth_data()
{
    QTest::addColumn<float>("year");
    QTest::addColumn<float>("month");
    QTest::addColumn<Step>("step");
    QTest::addColumn<float>("toYear");
    QTest::addColumn<float>("toMonth");
    QTest::newRow("as entered") << 2024.0f << 12.0f << Step::AsEntered << 2024.0f << 12.0f;
    QTest::newRow("December on") << 2024.0f << 12.0f << kOn << 2025.0f << 1.0f;
    QTest::newRow("January back") << 2024.0f << 1.0f << kBack << 2023.0f << 12.0f;
    QTest::newRow("June on") << 2024.0f << 6.0f << kOn << 2024.0f << 7.0f;
    QTest::newRow("June back") << 2024.0f << 6.0f << kBack << 2024.0f << 5.0f;
    QTest::newRow("12.5 on: no wrap") << 2024.0f << 12.5f << kOn << 2024.0f << 13.5f;
    QTest::newRow("0.5 back: no wrap") << 2024.0f << 0.5f << kBack << 2024.0f << -0.5f;
    QTest::newRow("0 on") << 2024.0f << 0.0f << kOn << 2024.0f << 1.0f;
    QTest::newRow("13 back") << 2024.0f << 13.0f << kBack << 2024.0f << 12.0f;
    QTest::newRow("13 on: no wrap") << 2024.0f << 13.0f << kOn << 2024.0f << 14.0f;
    QTest::newRow("year 1 back: not clamped") << 1.0f << 1.0f << kBack << 0.0f << 12.0f;
}

void TestInputCheck::stepMonth()
{
    QFETCH(float, year);
    QFETCH(float, month);
    QFETCH(Step, step);
    QFETCH(float, toYear);
    QFETCH(float, toMonth);
    const YearMonth to = engine::stepMonth({year, month}, step);
    QCOMPARE_EXACT(to.year, toYear);
    QCOMPARE_EXACT(to.month, toMonth);
}

void TestInputCheck::formInput_data()
{
    QTest::addColumn<FormInput>("input");
    QTest::addColumn<Field>("field");
    QTest::addColumn<float>("birthYear");
    QTest::addColumn<float>("shownYear");
    const auto form = [](const char *by, const char *bm, const char *bd, Era birthEra,
                          const char *sy, const char *sm, Era shownEra) {
        return FormInput {by, bm, bd, birthEra, sy, sm, shownEra};
    };
    QTest::newRow("Western texts")
        << form("2000", "1", "1", Era::Western, "2024", "3", Era::Western) << Field::None << 2000.0f
        << 2024.0f;
    QTest::newRow("each group's era") << form("8", "2", "29", Era::Heisei, "6", "1", Era::Reiwa)
                                      << Field::None << 1996.0f << 2024.0f;
    QTest::newRow("leading spaces and zeros")
        << form(" 0063", "04", " 4", Era::Showa, "2024", "04", Era::Western) << Field::None
        << 1988.0f << 2024.0f;
    QTest::newRow("the birth era is not the shown era") << form("64", "1", "1", Era::Showa, "64",
        "1", Era::Western) << Field::BirthYear << 0.0f << 0.0f;
    QTest::newRow("the shown era is not the birth era") << form("64", "1", "1", Era::Western, "64",
        "1", Era::Showa) << Field::ShownYear << 64.0f << 0.0f;
    QTest::newRow("empty texts") << form("", "", "", Era::Western, "", "", Era::Western)
                                 << Field::BirthYear << 0.0f << 0.0f;
    QTest::newRow("a day that is not a number")
        << form("2000", "1", "x", Era::Western, "2024", "1", Era::Western) << Field::BirthDay
        << 2000.0f << 0.0f;
}

void TestInputCheck::formInput()
{
    QFETCH(FormInput, input);
    QFETCH(Field, field);
    QFETCH(float, birthYear);
    QFETCH(float, shownYear);
    const CheckOutcome outcome = check(input, Step::AsEntered);
    QCOMPARE(outcome.rejected, field);
    QCOMPARE_EXACT(outcome.input.birthYear, birthYear);
    QCOMPARE_EXACT(outcome.input.shownYear, shownYear);
}

QTEST_APPLESS_MAIN(TestInputCheck)
#include "tst_input_check.moc"
