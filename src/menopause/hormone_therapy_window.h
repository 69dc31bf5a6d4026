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
    QRadioButton *OptTT_Regles, *OptTT_SsRegles, *OptTTT_Autres;
    QGroupBox *Frame13, *Frame14, *Frame15, *Frame16, *Frame17;
    QRadioButton *OptSpe_Comb_R, *OptSpe_OEPg_R, *OptSpe_Comb_SR, *OptSpe_OEPg_SR;
    QComboBox *CmbSpe_OEPg_R, *CmbSpe_OE_R, *CmbSpe_Pg_R;
    QComboBox *CmbSpe_OEPg_SR, *CmbSpe_OE_SR, *CmbSpe_Pg_SR;
    QComboBox* CmbTTT_Autres;
    QLabel *LblOE, *LblDosage, *LblVoie, *LblLabo_Oe, *LblPoso_E;
    QLabel *LblPg, *LblDosage_P, *LblLabo_Pg, *LblPoso_Pg;
    QLabel *LblAutre, *LblLabo_Autre, *LblPoso;
    // The note of the speciality shown in each panel (its AUTRES column).
    QLabel *LblNote_Oe, *LblNote_Pg;
    QPushButton* Fermer;
    QAction *Quitter, *Aide;
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
