/// \file daily_pages_dialog.h
/// \brief Almanac > Daily Pages...: a date's daily page as it prints (the
/// left and the right page side by side, almanacpage/'s painting), the
/// date chosen in UTC, and Print, which prints the two pages or, where no
/// printer is installed, saves them as a PDF (toolkit's print service).
#pragma once

#include "almanac/daily_page.h"

#include <QDate>
#include <QDialog>
#include <QWidget>

class QDateEdit;
class QPushButton;

namespace morvel::sightwin {

/// The two sides of a day's page, scaled to the widget.
class DailyPreview : public QWidget {
    Q_OBJECT
public:
    explicit DailyPreview(QWidget* parent = nullptr);
    void setPage(almanac::DailyPage page);
    const almanac::DailyPage& page() const { return page_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    almanac::DailyPage page_;
};

class DailyPagesDialog : public QDialog {
    Q_OBJECT
public:
    /// Opens on the page of date (UTC).
    explicit DailyPagesDialog(QDate date, QWidget* parent = nullptr);

    QDateEdit& date() { return *date_; }
    QPushButton& print() { return *print_; }
    DailyPreview& preview() { return *preview_; }

private:
    void showDate();
    void printPages();

    QDateEdit* date_;
    DailyPreview* preview_;
    QPushButton* print_;
};

}  // namespace morvel::sightwin
