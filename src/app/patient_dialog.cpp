// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/patient_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "ui/consultation_patient.h"
#include "ui/controls.h"

namespace tovimar {

PatientDialog::PatientDialog(ConsultationPatient& patient, Messages& messages, QWidget* parent)
    : QDialog(parent), patient_(patient), messages_(messages) {
    setObjectName("frmPatiente");
    setWindowTitle(QStringLiteral("Patiente de la consultation"));
    civility_ = comboBox("CboCivilite", QStringLiteral("Civilité"));
    civility_->addItems(ConsultationPatient::civilities());
    civility_->setCurrentText(patient.civility());
    name_ = lineEdit("TxtNom", QStringLiteral("Nom et prénom"));
    name_->setText(patient.name());
    name_->setMinimumWidth(260);
    birthDate_ = lineEdit("TxtNaissance", QStringLiteral("Date de naissance (facultative)"));
    birthDate_->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
    if (patient.birthDate())
        birthDate_->setText(QString::fromStdString(patient.birthDate()->toText()));

    auto* form = new QFormLayout;
    form->addRow(caption(QStringLiteral("&Civilité"), civility_), civility_);
    form->addRow(caption(QStringLiteral("&Nom et prénom"), name_), name_);
    form->addRow(caption(QStringLiteral("&Date de naissance"), birthDate_), birthDate_);
    auto* note = new QLabel(QStringLiteral("Gardé en mémoire pour cette consultation seulement "
                                           "(rien n’est enregistré sur le disque)."),
                            this);
    note->setObjectName("LblMemoire");
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox; // after the fields in the focus chain
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("CmdOK");
    ok->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CmdAnnuler");
    connect(buttons, &QDialogButtonBox::accepted, this, &PatientDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setReadingOrder({civility_, name_, birthDate_, ok, cancel});
    name_->setFocus();
}

void PatientDialog::accept() {
    const QString typed = birthDate_->text().trimmed();
    std::optional<VbDate> birth;
    if (!typed.isEmpty()) {
        birth = readFrenchDate(typed.toStdString());
        if (!birth) {
            messages_.inform(QStringLiteral("La date de naissance « %1 » n’est pas une date : "
                                            "tapez-la sous la forme jj/mm/aaaa, ou laissez-la "
                                            "vide.")
                                 .arg(typed));
            birthDate_->setFocus();
            birthDate_->selectAll();
            return;
        }
    }
    patient_.set(civility_->currentText(), name_->text(), birth);
    QDialog::accept();
}

} // namespace tovimar
