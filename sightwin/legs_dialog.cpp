#include "sightwin/legs_dialog.h"

#include "sightwin/texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace morvel::sightwin {

std::optional<std::vector<sightlog::DrLeg>> askLegs(QWidget* parent, const sightlog::DrTrack& dr,
                                                    const std::function<int(QDialog&)>& exec)
{
    QDialog d(parent);
    d.setWindowTitle(QDialog::tr("Legs of the DR"));
    auto* first = new QLabel(
        QDialog::tr("From %1: course %2, %3 kn (the DR's). Each line below changes course and speed from its time "
                    "(UTC) on.")
            .arg(dr.time.empty() ? QDialog::tr("the DR's time") : text(dr.time),
                 dr.course.empty() ? QStringLiteral("-") : text(dr.course),
                 dr.speed.empty() ? QStringLiteral("0") : text(dr.speed)),
        &d);
    first->setWordWrap(true);
    auto* table = new QTableWidget(int(dr.legs.size()), 3, &d);
    table->setObjectName(QStringLiteral("legs"));
    table->setAccessibleName(QDialog::tr("Legs"));
    table->setHorizontalHeaderLabels(
        {QDialog::tr("Time (UTC)"), QDialog::tr("Course"), QDialog::tr("Speed (kn)")});
    // The time in full (2026-12-07T19:30:00Z) beside the course and speed.
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c : {1, 2})
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    table->setMinimumWidth(table->fontMetrics().horizontalAdvance(QStringLiteral("2026-12-07T19:30:00Z")) +
                           table->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 30);
    for (int r = 0; r < int(dr.legs.size()); ++r) {
        const sightlog::DrLeg& l = dr.legs[size_t(r)];
        int c = 0;
        for (const std::string* cell : {&l.time, &l.course, &l.speed})
            table->setItem(r, c++, new QTableWidgetItem(text(*cell)));
    }
    auto* add = new QPushButton(QDialog::tr("&Add Leg"), &d);
    auto* remove = new QPushButton(QDialog::tr("&Remove Leg"), &d);
    QObject::connect(add, &QPushButton::clicked, &d, [table, &dr] {
        // A new leg from the last one's time (or the DR's), to be typed over.
        const int r = table->rowCount();
        table->insertRow(r);
        const std::string from = dr.legs.empty() ? dr.time : dr.legs.back().time;
        table->setItem(r, 0, new QTableWidgetItem(r > 0 && table->item(r - 1, 0) ? table->item(r - 1, 0)->text()
                                                                                  : text(from)));
        table->setCurrentCell(r, 1);
    });
    QObject::connect(remove, &QPushButton::clicked, &d, [table] {
        if (table->currentRow() >= 0)
            table->removeRow(table->currentRow());
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* edits = new QHBoxLayout;
    edits->addWidget(add);
    edits->addWidget(remove);
    edits->addStretch(1);
    auto* v = new QVBoxLayout(&d);
    v->addWidget(first);
    v->addWidget(table, 1);
    v->addLayout(edits);
    v->addWidget(buttons);

    if ((exec ? exec(d) : d.exec()) != QDialog::Accepted)
        return std::nullopt;
    std::vector<sightlog::DrLeg> legs;
    for (int r = 0; r < table->rowCount(); ++r) {
        std::array<std::string, 3> cells;
        bool blank = true;
        for (int c = 0; c < 3; ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            cells[size_t(c)] = item ? item->text().trimmed().toStdString() : std::string();
            blank = blank && cells[size_t(c)].empty();
        }
        if (!blank)
            legs.push_back({cells[0], cells[1], cells[2]});
    }
    return legs;
}

}  // namespace morvel::sightwin
