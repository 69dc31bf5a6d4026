// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form3, "Biometrie": a fetal ultrasound examination. The start of pregnancy
// and the scan day give the age in weeks of amenorrhoea; the nine
// measurements are placed in their percentile bands beside the week's
// medians; the weights, the ratios and the customised weight centile are
// computed on demand; a one-page report is printed for the patient.
// Closing it leaves its examination with the consultation: built again (from
// its menu, or hidden by the main window's next start of pregnancy), it shows
// the examination as it was left.

#include <QString>
#include <array>
#include <optional>
#include <set>

#include "biometry/biometry_measures.h"
#include "biometry/scan_table.h"
#include "platform/report_destination.h"
#include "ui/results_text.h"
#include "ui/tool_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace tovimar {

struct BiometryReportData;

class BiometryWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit BiometryWindow(WindowRegistry& windows);

    // The main window's start of pregnancy changed: it writes the age on
    // today's date first (when its text is a date), then the start as typed.
    void setWeeksOfAmenorrhoea(int weeks);
    void setStartOfPregnancy(const QString& text);
    // The main window's ultrasound dating was reset.
    void clearWeeks();

  signals:
    // "Courbes": the growth charts, opened on the age shown.
    void chartsRequested(const QString& weeks);
    // The age went beyond the charts' last week: the week they show is taken back.
    void weekBeyondTheCharts();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    // Controls (their object names are the system's: DateDGf3, Orb...).
    QLineEdit *startOfPregnancyField, *scanDayField;
    QLineEdit *orbitalField, *biparietalField, *headField, *transverseAbdominalField,
        *abdominalField, *femurField, *footField, *humerusField, *cerebellumField;
    QScrollBar *orbitalSlider, *biparietalSlider, *headSlider, *transverseAbdominalSlider,
        *abdominalSlider, *femurSlider, *footSlider, *humerusSlider, *cerebellumSlider;
    QLabel *orbitalBand, *biparietalBand, *headBand, *transverseAbdominalBand, *abdominalBand,
        *femurBand, *footBand, *humerusBand, *cerebellumBand;
    QLineEdit* weeksField;
    QScrollBar* weeksSlider;
    QLineEdit *biparietalMedian, *headMedian, *transverseAbdominalMedian, *abdominalMedian,
        *femurMedian, *footMedian, *humerusMedian, *cerebellumMedian;
    QPushButton* computeRatiosButton;
    QLineEdit *orbitalToBiparietal, *footToFemur;
    QLineEdit *hadlockWeight, *shepardWeight, *dudleyWeight;
    QPushButton* computeWeightsButton;
    QLabel* theoreticalWeightLabel;
    QLineEdit *motherWeight, *motherHeight;
    QComboBox *fetalSex, *ethnicity, *parity;
    QLineEdit *daysOfPregnancy, *customisedWeeks;
    QScrollBar* customisedWeeksSlider;
    QLineEdit* estimatedFetalWeight;
    QPushButton *computeCentileButton, *eraseCustomisedButton;
    QLabel *expectedWeightLabel, *centileLabel;
    QPushButton *chartsButton, *printButton, *quitButton;
    QMenuBar* menus;
    void build();
    // In biometry_kept_screen.cpp: what the window shows and where, kept as
    // it closes and shown again by the window built next (false: nothing kept).
    void keepScreen();
    bool showKeptScreen();
    // Writes today's examination as the window shows it.
    void publishExamination();
    // The scan day (DateJourF3) when it holds a date, else nothing.
    QString scanDayText() const;
    QGroupBox* buildMeasurements();
    QGroupBox* buildMedians();
    QGroupBox* buildRatios();
    QGroupBox* buildWeights();
    QGroupBox* buildCustomised();
    void connectReactions();
    // In biometry_results_panels.cpp: the ratios, weights and customised centile.
    void connectResultsPanels();

    void measurementChanged(Measure m);
    void startChanged();
    void scanDayChanged();
    void datesChanged();
    void ageChanged();
    void computeWeights();
    void computeRatios();
    void forgetCustomisedCentile();
    // What the measurements of one press gave: an unreadable field, the
    // implausible ones already told.
    struct MeasureCheck {
        bool unreadable = false;
        std::set<int> told;
    };
    std::optional<double> usableMeasure(Measure m, MeasureCheck& check) const;
    void computeCustomisedCentile();
    void showCentile(const QString& expectedWeight, const QString& centile, bool alarm);
    void eraseCustomised();
    void daysChanged();
    void weeksTyped();
    void openCharts();
    void printReport(PrintMode mode);
    BiometryReportData reportData(const QString& patientName) const;

    QLineEdit* field(Measure m) const { return fields_[measureIndex(m)]; }
    QLabel* band(Measure m) const { return bands_[measureIndex(m)]; }
    // Blue at 8 points, or red at 10 points for a band that calls for attention.
    void styleBand(Measure m, bool emphasised);

    std::array<QLineEdit*, 9> fields_{};
    std::array<QScrollBar*, 9> scrolls_{};
    std::array<QLabel*, 9> bands_{};
    std::array<QLineEdit*, 9> medians_{}; // none for the inter-orbital distance
    std::array<bool, 9> bandsEmphasised_{};
    bool centileAlarm_ = false;
    bool weeksBeingTyped_ = false;
};

} // namespace tovimar
