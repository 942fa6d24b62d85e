#include "controllers/messages/TFormDateSelector.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "routines/Locale.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

constexpr QSize kMinimumSize(600, 300);

// A value the calendar shows as a day: a real date, or a day before the date-time epoch (0 to -3
// are markers there, not days), within the years a date can hold.
bool IsCalendarDay(DateTime value) {
    DateTime first = 0;
    DateTime last = 0;
    TryEncodeDate(1, 1, 1, first);
    TryEncodeDate(9999, 12, 31, last);
    if (!std::isfinite(value) || value < first || value >= last + 1) return false;
    return IsRealDate(value) || value <= kToBeCancelled - 1;
}

QPushButton* NewButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

TFormDateSelector::TFormDateSelector(QWidget* parent)
    : TFormControlerAncestor("TFormDateSelector", kMinimumSize, parent) {
    setWindowTitle(QStringLiteral("Date Selector"));
    setMinimumSize(kMinimumSize);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    BuildCalendar(central);
    layout->addWidget(calendar_, 1);

    auto* side = new QVBoxLayout;
    comboBoxMonths_ = new QComboBox(central);
    comboBoxMonths_->setObjectName(QStringLiteral("ComboBoxMonths"));
    for (const std::string& name : Platform::CurrentLocale().longMonthNames)
        comboBoxMonths_->addItem(QString::fromLatin1(name));
    comboBoxYears_ = new QComboBox(central);
    comboBoxYears_->setObjectName(QStringLiteral("ComboBoxYears"));
    buttonOK_ = NewButton("ButtonOK", "OK", central);
    buttonCancel_ = NewButton("ButtonCancel", "Cancel", central);
    side->addWidget(comboBoxMonths_);
    side->addWidget(comboBoxYears_);
    side->addStretch(1);
    side->addWidget(buttonOK_);
    side->addWidget(buttonCancel_);
    layout->addLayout(side);
    setCentralWidget(central);

    connect(comboBoxMonths_, &QComboBox::activated, this,
            [this](int index) { ChooseMonth(calendar_->selectedDate().year(), index + 1); });
    connect(comboBoxYears_, &QComboBox::activated, this,
            [this](int index) { ChooseMonth(firstListedYear_ + index, comboBoxMonths_->currentIndex() + 1); });
    connect(buttonOK_, &QPushButton::clicked, this, [this] { CloseWith(true); });
    connect(buttonCancel_, &QPushButton::clicked, this, [this] { CloseWith(false); });
    AddAction("ActionDateSelectorCancel", "Cancel", -1, QKeySequence(Qt::Key_Escape), [this] { CloseWith(false); });
    SetDate(kNoDate);
}

void TFormDateSelector::BuildCalendar(QWidget* parent) {
    calendar_ = new QCalendarWidget(parent);
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(false);
    calendar_->setNavigationBarVisible(false);
    connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] { ShowInLists(calendar_->selectedDate()); });
    // Paging with the wheel leaves the day chosen on another page; the day follows the page, so
    // the lists, the calendar and Date() always agree.
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate selected = calendar_->selectedDate();
        if (selected.year() != year || selected.month() != month) ChooseMonth(year, month);
    });
    connect(calendar_, &QCalendarWidget::activated, this, [this] { CloseWith(true); });
}

void TFormDateSelector::SetDate(DateTime date) {
    const DateTime now = Platform::CurrentClock().Now();
    const DateParts shown = DecodeDate(IsCalendarDay(date) ? date : now);
    const int lastYear = DecodeDate(now).year + kYearsAhead;
    FillYears(std::min(kFirstYear, shown.year), std::max(lastYear, shown.year));
    const QDate day(shown.year, shown.month, shown.day);
    calendar_->setSelectedDate(day);
    ShowInLists(day);
}

void TFormDateSelector::FillYears(int firstYear, int lastYear) {
    const QSignalBlocker blocker(comboBoxYears_);
    comboBoxYears_->clear();
    for (int year = firstYear; year <= lastYear; ++year) comboBoxYears_->addItem(QString::number(year));
    firstListedYear_ = firstYear;
    calendar_->setDateRange(QDate(firstYear, 1, 1), QDate(lastYear, 12, 31));
}

void TFormDateSelector::ChooseMonth(int year, int month) { calendar_->setSelectedDate(QDate(year, month, 1)); }

void TFormDateSelector::ShowInLists(const QDate& date) {
    const QSignalBlocker months(comboBoxMonths_);
    const QSignalBlocker years(comboBoxYears_);
    comboBoxMonths_->setCurrentIndex(date.month() - 1);
    comboBoxYears_->setCurrentIndex(date.year() - firstListedYear_);
}

bool TFormDateSelector::Execute(QWidget* owner) { return ExecModal(owner); }

DateTime TFormDateSelector::Date() const {
    const QDate day = calendar_->selectedDate();
    return EncodeDate(day.year(), day.month(), day.day());
}

}  // namespace vantaro
