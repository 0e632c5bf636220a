#include "sightwin/identify_dialog.h"

#include "navtext/navtext.h"
#include "navtext/navtext.h"
#include "sight/identify.h"
#include "sightwin/texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvel::sightwin {

namespace {

/// How far from the sight a candidate may stand in the sky.
constexpr double within = 5 * math::degree;

}  // namespace

IdentifyDialog::IdentifyDialog(const sight::Sight& s, QWidget* parent) : QDialog(parent), sight_(s)
{
    setWindowTitle(tr("Identify the body"));
    auto* facts = new QLabel(tr("Hs %1 from %2")
                                 .arg(text(navtext::navAltitudeText(s.hs, false)),
                                      text(navtext::navPositionText(s.drLat, s.drLon, false))),
                             this);
    azimuth_ = new QLineEdit(this);
    azimuth_->setObjectName(QStringLiteral("azimuth"));
    azimuth_->setPlaceholderText(tr("e.g. %1").arg(QStringLiteral("231 30")));
    azimuth_->setToolTip(text(navtext::allowed(navtext::AngleKind::circle)));
    message_ = new QLabel(this);
    message_->setWordWrap(true);

    candidates_ = new QTableWidget(0, 3, this);
    candidates_->setObjectName(QStringLiteral("candidates"));
    candidates_->setHorizontalHeaderLabels({tr("Body"), QStringLiteral("dAlt"), QStringLiteral("dZn")});
    candidates_->setSelectionBehavior(QAbstractItemView::SelectRows);
    candidates_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidates_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidates_->setTabKeyNavigation(false);
    candidates_->verticalHeader()->hide();
    candidates_->horizontalHeader()->setStretchLastSection(true);
    candidates_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    candidates_->setAccessibleName(tr("Candidates, nearest first"));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(tr("Sight"), facts);
    form->addRow(tr("&Azimuth (true)"), azimuth_);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(message_);
    v->addWidget(candidates_, 1);
    v->addWidget(buttons_);

    connect(azimuth_, &QLineEdit::textChanged, this, &IdentifyDialog::search);
    connect(candidates_, &QTableWidget::itemSelectionChanged, this,
            [this] { buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen().has_value()); });
    connect(candidates_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { accept(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (chosen())
            accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    search();
}

std::optional<QString> IdentifyDialog::chosen() const
{
    const QList<QTableWidgetItem*> sel = candidates_->selectedItems();
    if (sel.isEmpty())
        return std::nullopt;
    const QTableWidgetItem* name = candidates_->item(sel.first()->row(), 0);
    return name ? std::optional(name->text()) : std::nullopt;
}

void IdentifyDialog::search()
{
    candidates_->setRowCount(0);
    const QString typed = azimuth_->text().trimmed();
    if (typed.isEmpty()) {
        message_->setText(tr("Type the body's azimuth, the compass corrected to true."));
        return;
    }
    const navtext::AngleRead zn = navtext::readNavAngle(typed.toStdString(), navtext::AngleKind::circle,
                                                        tr("an azimuth").toStdString());
    if (!zn.ok) {
        message_->setText(text(zn.error));
        return;
    }
    const sight::Identification id =
        sight::identify(sight_.when, sight_.drLat, sight_.drLon, sight_.hs, zn.radians, sight_.conditions, within);
    if (!id.ok()) {
        message_->setText(text(id.error));
        return;
    }
    if (id.candidates.empty()) {
        message_->setText(tr("No star or planet within %1 of Ho %2, Zn %3.")
                              .arg(text(navtext::navAltitudeText(within, false)),
                                   text(navtext::navAltitudeText(id.ho, false)),
                                   text(navtext::navCircleText(zn.radians, false))));
        return;
    }
    message_->setText(tr("Ho %1: the nearest first.").arg(text(navtext::navAltitudeText(id.ho, false))));
    candidates_->setRowCount(int(id.candidates.size()));
    for (int i = 0; i < int(id.candidates.size()); ++i) {
        const sight::Candidate& c = id.candidates[size_t(i)];
        candidates_->setItem(i, 0, readOnlyCell(text(std::string(c.body.name)), false));
        candidates_->setItem(i, 1, readOnlyCell(text(navtext::navAltitudeText(c.dAlt, false)), true));
        candidates_->setItem(i, 2, readOnlyCell(text(navtext::navAltitudeText(c.dZn, false)), true));
    }
    candidates_->resizeColumnsToContents();
    candidates_->selectRow(0);
}

std::optional<QString> identifyBody(QWidget* parent, const sight::Sight& s, std::function<int(QDialog&)> exec)
{
    IdentifyDialog d(s, parent);
    const int result = exec ? exec(d) : d.exec();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return d.chosen();
}

}  // namespace morvel::sightwin
