#pragma once

#include "controllers/TFormControlerAncestor.h"
#include "routines/DateTime.h"

class QCalendarWidget;
class QComboBox;
class QDate;
class QPushButton;

namespace vantaro {

// Lets the user pick a day on a month calendar; the month and year lists move the calendar to
// the first day of the month chosen. The year list runs from 1900 to twenty years after the
// clock's year, and further when the date given lies outside that.
class TFormDateSelector : public TFormControlerAncestor {
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kYearsAhead = 20;

    explicit TFormDateSelector(QWidget* parent = nullptr);

    // Shows the date's day; a value that is no date (empty, a marker, beyond the calendar) shows
    // today.
    void SetDate(DateTime date);
    // Runs modally over the owner: true on OK or on a day activated in the calendar.
    bool Execute(QWidget* owner);
    DateTime Date() const;

    QCalendarWidget& Calendar() const { return *calendar_; }
    QComboBox& ComboBoxMonths() const { return *comboBoxMonths_; }
    QComboBox& ComboBoxYears() const { return *comboBoxYears_; }
    QPushButton& ButtonOK() const { return *buttonOK_; }
    QPushButton& ButtonCancel() const { return *buttonCancel_; }

private:
    void BuildCalendar(QWidget* parent);
    void FillYears(int firstYear, int lastYear);
    void ChooseMonth(int year, int month);
    void ShowInLists(const QDate& date);

    QCalendarWidget* calendar_ = nullptr;
    QComboBox* comboBoxMonths_ = nullptr;
    QComboBox* comboBoxYears_ = nullptr;
    QPushButton* buttonOK_ = nullptr;
    QPushButton* buttonCancel_ = nullptr;
    int firstListedYear_ = kFirstYear;
};

}  // namespace vantaro
