// The date selector: the years offered, values that are no date, the lists moving the calendar,
// the answers of its buttons, keys and close button, and a picture of it in the build folder.

#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QWheelEvent>

#include <cmath>
#include <limits>

#include "controllers/messages/TFormDateSelector.h"
#include "ui/controllers/ControllerTestSupport.h"

namespace vantaro::test {
namespace {

QTableView& DaysOf(const TFormDateSelector& selector) { return *selector.Calendar().findChild<QTableView*>(); }

class DateSelectorTest : public ControllerTest {
protected:
    // Texts and days as std::string, so a failure prints them readably.
    static std::string Text(const QString& text) { return text.toStdString(); }
    std::string FirstYear() const { return Text(selector.ComboBoxYears().itemText(0)); }
    std::string LastYear() const {
        return Text(selector.ComboBoxYears().itemText(selector.ComboBoxYears().count() - 1));
    }
    std::string Month() const { return Text(selector.ComboBoxMonths().currentText()); }
    std::string Year() const { return Text(selector.ComboBoxYears().currentText()); }
    std::string Shown() const { return Text(selector.Calendar().selectedDate().toString(Qt::ISODate)); }
    QTableView& Days() const { return DaysOf(selector); }

    TFormDateSelector selector;
};

struct RangeCase {
    const char* name;
    int year;
    const char* firstYear;
    const char* lastYear;
};

TEST_F(DateSelectorTest, OffersTheYearsFrom1900ToTwentyAheadWidenedForTheDateGiven) {
    const RangeCase cases[] = {{"this school year", 2007, "1900", "2027"},
                               {"a later year", 2021, "1900", "2027"},
                               {"before 1900", 1850, "1850", "2027"},
                               {"far ahead", 2100, "1900", "2100"}};
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        selector.SetDate(EncodeDate(c.year, 5, 3));
        EXPECT_EQ(FirstYear(), c.firstYear);
        EXPECT_EQ(LastYear(), c.lastYear);
        EXPECT_EQ(Shown(), std::to_string(c.year) + "-05-03");
        EXPECT_EQ(Year(), std::to_string(c.year));
        EXPECT_EQ(Month(), "May");
        EXPECT_EQ(selector.Date(), EncodeDate(c.year, 5, 3));
    }
}

TEST_F(DateSelectorTest, AValueThatIsNoDateShowsToday) {
    const DateTime values[] = {kNoDate,
                               kOpenEnded,
                               kToBeConfirmed,
                               kToBeCancelled,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               1e12};
    for (const DateTime value : values) {
        SCOPED_TRACE(value);
        selector.SetDate(EncodeDate(2001, 1, 1));
        selector.SetDate(value);
        EXPECT_EQ(Shown(), "2007-03-15");
        EXPECT_EQ(Month(), "March");
        EXPECT_EQ(LastYear(), "2027");
    }
}

TEST_F(DateSelectorTest, TheListsMoveTheCalendarToTheFirstOfTheMonth) {
    ASSERT_EQ(selector.ComboBoxMonths().count(), 12);
    EXPECT_EQ(Text(selector.ComboBoxMonths().itemText(0)), "January");
    EXPECT_EQ(Text(selector.ComboBoxMonths().itemText(11)), "December");
    selector.SetDate(EncodeDate(2007, 3, 15));
    QTest::keyClick(&selector.ComboBoxMonths(), Qt::Key_Down);
    EXPECT_EQ(Shown(), "2007-04-01");
    QTest::keyClick(&selector.ComboBoxYears(), Qt::Key_Down);
    EXPECT_EQ(Shown(), "2008-04-01");
    QTest::keyClick(&selector.ComboBoxYears(), Qt::Key_End);
    EXPECT_EQ(Shown(), "2027-04-01");
    EXPECT_EQ(selector.Date(), EncodeDate(2027, 4, 1));

    QTest::keyClick(&Days(), Qt::Key_Up);
    EXPECT_EQ(Shown(), "2027-03-25") << "a day picked in the calendar";
    EXPECT_EQ(Month(), "March") << "the lists follow the calendar";

    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(Days().viewport(), &wheel);
    EXPECT_EQ(Shown(), "2027-04-01") << "the day follows a page turned with the wheel";
    EXPECT_EQ(Month(), "April");
}

TEST_F(DateSelectorTest, OkAndActivatingADayAnswerTrueTheRestFalse) {
    struct AnswerCase {
        const char* name;
        std::function<void(TFormDateSelector&)> user;
        bool answer;
    };
    const AnswerCase cases[] = {
        {"OK", [](TFormDateSelector& s) { QTest::mouseClick(&s.ButtonOK(), Qt::LeftButton); }, true},
        {"Return on a day", [](TFormDateSelector& s) { QTest::keyClick(&DaysOf(s), Qt::Key_Return); }, true},
        {"Cancel", [](TFormDateSelector& s) { QTest::mouseClick(&s.ButtonCancel(), Qt::LeftButton); }, false},
        {"Esc", [](TFormDateSelector& s) { QTest::keyClick(&s, Qt::Key_Escape); }, false},
        {"close button", [](TFormDateSelector& s) { s.close(); }, false}};
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        selector.SetDate(EncodeDate(2007, 9, 3));
        WhenModal([&](QWidget& modal) {
            auto& shown = dynamic_cast<TFormDateSelector&>(modal);
            QTest::keyClick(&DaysOf(shown), Qt::Key_Right);
            c.user(shown);
        });
        EXPECT_EQ(selector.Execute(nullptr), c.answer);
        EXPECT_FALSE(selector.isVisible());
        EXPECT_EQ(selector.Date(), EncodeDate(2007, 9, 4));
    }
}

TEST_F(DateSelectorTest, ADoubleClickOnADayChoosesIt) {
    selector.SetDate(EncodeDate(2007, 9, 3));
    WhenModal([this](QWidget&) {
        const QRect day = Days().visualRect(Days().currentIndex());
        QTest::mouseClick(Days().viewport(), Qt::LeftButton, {}, day.center());
        QTest::mouseDClick(Days().viewport(), Qt::LeftButton, {}, day.center());
    });
    EXPECT_TRUE(selector.Execute(nullptr));
    EXPECT_EQ(selector.Date(), EncodeDate(2007, 9, 3));
}

TEST_F(DateSelectorTest, IsGrabbedToAPicture) {
    selector.SetDate(EncodeDate(2007, 9, 3));
    WhenModal([](QWidget& modal) {
        QApplication::processEvents();
        EXPECT_GE(modal.width(), 600);
        EXPECT_GE(modal.height(), 300);
        EXPECT_TRUE(modal.grab().save(QStringLiteral(VANTARO_BINARY_DIR "/TFormDateSelector.png")));
        modal.close();
    });
    selector.Execute(nullptr);
}

}  // namespace
}  // namespace vantaro::test
