// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Patiente": the patient of the consultation (civility, name, date of birth),
// typed once for every printout. It edits the program's patient and nothing
// else; nothing of it is written to disk.

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace tovimar {

class ConsultationPatient;
class Messages;

class PatientDialog : public QDialog {
    Q_OBJECT
  public:
    PatientDialog(ConsultationPatient& patient, Messages& messages, QWidget* parent = nullptr);

    void accept() override;

  private:
    ConsultationPatient& patient_;
    Messages& messages_;
    QComboBox* civility_;
    QLineEdit* name_;
    QLineEdit* birthDate_;
};

} // namespace tovimar
