// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "THS": helps choose a menopausal hormone therapy among the specialities of
// VESTRA.mdb: a family of treatment, a form, then a speciality whose
// composition, dosage, route, laboratory and posology are shown.

#include <map>

#include "menopause/hormone_therapy.h"
#include "ui/results_text.h"
#include "ui/tool_window.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tovimar {

class HormoneTherapyWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit HormoneTherapyWindow(WindowRegistry& windows);

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QRadioButton *withPeriodsOption, *withoutPeriodsOption, *otherTreatmentOption;
    QGroupBox *withPeriodsPanel, *withoutPeriodsPanel, *oestrogenPanel, *progestogenPanel,
        *otherTreatmentPanel;
    QRadioButton *combinedWithPeriodsOption, *separateWithPeriodsOption,
        *combinedWithoutPeriodsOption, *separateWithoutPeriodsOption;
    QComboBox *combinedWithPeriods, *oestrogenWithPeriods, *progestogenWithPeriods;
    QComboBox *combinedWithoutPeriods, *oestrogenWithoutPeriods, *progestogenWithoutPeriods;
    QComboBox* otherTreatment;
    QLabel *oestrogenMolecule, *oestrogenDosage, *oestrogenRoute, *oestrogenLab, *oestrogenPosology;
    QLabel *progestogenMolecule, *progestogenDosage, *progestogenLab, *progestogenPosology;
    QLabel *otherMolecule, *otherLab, *posology;
    // The note of the speciality shown in each panel (its AUTRES column).
    QLabel *oestrogenNote, *progestogenNote;
    QPushButton* closeButton;
    QAction *quitAction, *helpAction;
    void build();
    void fillLists();
    void chooseFamily(QRadioButton* option);
    void chooseForm(QRadioButton* option);
    void chooseSpeciality(QComboBox* list);
    void resetForNewChoice();
    void resetCaptions();
    void setPanelTitle(QGroupBox* panel, const QString& part, const QString& title);
    void clear(std::initializer_list<QLabel*> labels);
    void showValue(const TherapyText& text);

    HormoneTherapyCatalogue catalogue_;
    std::map<QComboBox*, TherapyKind> kindOf_;
    std::map<QComboBox*, QLabel*> captionOf_;
};

} // namespace tovimar
