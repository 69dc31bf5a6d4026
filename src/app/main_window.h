// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form1, "Calculette Obstétricale": the dating fields, the follow-up
// schedule, ultrasound dating, the moon, the saint of the day and the menus.

#include <QMainWindow>
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <typeindex>

#include "core/vb_date.h"
#include "dating/term_settings.h"
#include "ui/results_text.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace tovimar {

class MoonWidget;
class WindowRegistry;
enum class PrintMode;
struct Platform;
struct PlanningData;

// The start of pregnancy as the main window has it, for the windows that follow it.
struct StartOfPregnancy {
    QString text;                               // as typed; empty when refused
    std::optional<int> weeksOfAmenorrhoeaToday; // when it is a date that is not refused
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(WindowRegistry& windows);
    ~MainWindow() override;

    QAction* action(const QString& name) const;
    WindowRegistry& windows() const { return windows_; }
    Platform& platform() const { return platform_; }

    // The planning printouts (the "Imprimer" menu).
    void printPlanning(PrintMode mode);
    void previewPlanning();
    // "Patiente…": the patient of the consultation, typed once for every printout.
    void editPatient();
    // "Nouvelle patiente": after a confirmation when anything was typed, the
    // patient and every window's inputs and results are emptied as at a fresh
    // start; the settings are left as they are.
    void newPatient();
    // The term settings read at start-up (the schedule's windows).
    const TermSettings& termSettings() const { return termSettings_; }
    // The start of pregnancy as typed.
    QString startOfPregnancyText() const;
    // "Copier les résultats": the pregnancy's dates as typed, its term and
    // age, the follow-up schedule and the leave as shown.
    ResultsText resultsText() const;

  signals:
    // The start of pregnancy changed (typed, derived from the LMP, emptied).
    void startOfPregnancyChanged(const StartOfPregnancy& start);
    // The ultrasound dating was reset: what it gave is taken back.
    void ultrasoundDatingReset();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Dating (DDR, start, term, age today, conversion SA <-> date).
    QLineEdit *lastPeriod, *startOfPregnancy, *termDate, *weeksToday, *monthsToday, *daysToday,
        *conversionDate, *weeksOnConversionDate;
    QListWidget* weekList;
    QLabel *chosenWeekDate, *fullCoverCaption, *fullCoverDate;
    // Follow-up schedule and leave.
    QLineEdit *firstTrimesterMarkers, *secondTrimesterMarkers, *childrenField;
    QLabel *anaesthetistVisit, *firstTrimesterScan;
    QListWidget *prenatalVisits, *scanList, *leaveList;
    // The fixed captions beside them ("Examen du 4ème Mois"...).
    QListWidget *prenatalVisitCaptions, *scanCaptions, *leaveCaptions;
    QScrollBar* childrenSlider;
    QCheckBox *twinsBox, *tripletsBox;
    QPushButton* computeLeaveButton;
    // Ultrasound dating.
    QLineEdit *sacField, *crownRumpField, *biparietalField, *femurField, *scanDate, *weeksFromScan;
    QScrollBar* crownRumpSlider;
    QToolButton *computeFromScanButton, *resetDatingButton;
    // Moon, saint, proverb, reminder.
    QLineEdit* moonDate;
    QPushButton *previousMoonDay, *nextMoonDay;
    MoonWidget* moonPicture;
    QLabel *moonCaption, *saintLabel, *proverbLabel, *reminderLabel, *illustration;
    QTimer* reminderBlink;
    // Building.
    QWidget* buildDatingPanel();
    QWidget* buildConversionPanel();
    QWidget* buildUltrasoundPanel();
    QWidget* buildSchedulePanel();
    QWidget* buildAlmanacPanel();
    void buildMenus();
    // A date typed whose derived dates would leave the calendar (years 100 to 9999).
    static QString outsideCalendarMessage();
    void wireDating();
    void wireUltrasound();
    void wireSchedule();
    void wireAlmanac();
    void loadAtStartUp();

    // Dating reactions.
    void onLastPeriodChanged();
    void onStartOfPregnancyTyped();
    void onTermChanged();
    void onWeekChosen(int row);
    void onConversionDateChanged();
    bool startIsMissing();
    void refuseDateKey();
    void stopReminder();
    void clearStartResults();
    void recomputeSchedule(VbDate start);
    void showAgeOnDay();
    void computeLeave();

    // Ultrasound dating.
    void computeFromUltrasound();
    void resetDating();
    void clearDatingDisplays();

    // Moon.
    void onMoonDateChanged();
    void stepMoonDay(int days);

    PlanningData planningData(const QString& patientName);
    // The windows of the settings, which "Nouvelle patiente" leaves alone.
    static std::set<std::type_index> settingsWindows();

    WindowRegistry& windows_;
    Platform& platform_;
    TermSettings termSettings_;
    TermBounds termBounds_; // parsed once, at start-up
    QString lastMoonText_;
    bool listChosenByChange_ = false;
    std::map<QString, QAction*> actions_;
};

} // namespace tovimar
