#include "sightwin/vessel_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morvel::sightwin {

std::optional<std::pair<QString, QString>> askVesselAndNavigator(QWidget* parent, const QString& vessel,
                                                                 const QString& navigator,
                                                                 const std::function<int(QDialog&)>& exec)
{
    QDialog d(parent);
    d.setWindowTitle(QDialog::tr("Vessel and Navigator"));
    auto field = [&](const QString& name, const QString& now, const QString& hint, const QString& tip) {
        auto* edit = new QLineEdit(now, &d);
        edit->setObjectName(name);
        edit->setPlaceholderText(hint);
        edit->setToolTip(tip);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 28);
        return edit;
    };
    QLineEdit* ship = field(QStringLiteral("vessel"), vessel, QDialog::tr("the ship's name"),
                          QDialog::tr("The vessel's name, e.g. Pilgrim"));
    QLineEdit* who = field(QStringLiteral("navigator"), navigator, QDialog::tr("who worked the sights"),
                         QDialog::tr("Who worked the sights, e.g. J. Slocum"));
    auto* note = new QLabel(QDialog::tr("Printed at the head of every page of sights, with a line for the "
                                        "navigator's signature. Kept for the next time."),
                            &d);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QDialog::tr("&Vessel"), ship);
    form->addRow(QDialog::tr("&Navigator"), who);
    auto* v = new QVBoxLayout(&d);
    v->addLayout(form);
    v->addWidget(note);
    v->addWidget(buttons);

    if ((exec ? exec(d) : d.exec()) != QDialog::Accepted)
        return std::nullopt;
    return std::pair(ship->text().trimmed(), who->text().trimmed());
}

}  // namespace morvel::sightwin
