// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

using testing::control;
using testing::FakePlatform;
using testing::typeText;

const QString kReadFailure = QStringLiteral("Fichier Options.tvx absent ou erronné.");

// Two lines: the second is in force.
const QByteArray kTwoLines =
    "\"Madame\",\"MARTIN\",\"Anne\",\"Sage-femme\",\"Maternit\xe9\",\"a\",\"b\",\"Lyon\","
    "\"Rh\xf4ne\",\"04\"\r\n"
    "\"Docteur\",\"DUPONT\",\"H\xe9l\xe8ne\",\"Gyn\xe9"
    "cologue\",\"Clinique de l'Esp\xe9rance\",\"12, rue des Lilas\",\"BP 7\","
    "\"Saint-\xc9tienne, Cedex 2\",\"Loire\",\"04 77 00 00 00\"\r\n";

QStringList fieldTexts(const PracticeOptionsWindow& w) {
    return {control<QComboBox>(w, "Combo1")->currentText(),
            control<QLineEdit>(w, "Text1")->text(),
            control<QLineEdit>(w, "Text2")->text(),
            control<QComboBox>(w, "Combo2")->currentText(),
            control<QLineEdit>(w, "Text3")->text(),
            control<QLineEdit>(w, "Text4")->text(),
            control<QLineEdit>(w, "Text5")->text(),
            control<QLineEdit>(w, "Text6")->text(),
            control<QLineEdit>(w, "Text7")->text(),
            control<QLineEdit>(w, "Text8")->text()};
}

// Makes every save into the folder fail. A read-only folder does not stop
// root, so when the folder can still be written a directory takes the
// file's name instead. Undone on destruction so the folder can be removed.
class FailingSaves {
  public:
    explicit FailingSaves(const FakePlatform& fake) : dir_(fake.folder()) {
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                        QFileDevice::ReadOther | QFileDevice::ExeOther);
        QFile probe(dir_ + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            restorePermissions();
            QFile::remove(dir_ + "/options.tvx");
            blockedByDirectory_ = QDir(dir_).mkdir("options.tvx");
        }
    }
    ~FailingSaves() {
        restorePermissions();
        if (blockedByDirectory_) QDir(dir_).rmdir("options.tvx");
    }

  private:
    void restorePermissions() {
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    }
    QString dir_;
    bool blockedByDirectory_ = false;
};

TEST(PracticeOptionsWindow, OpeningShowsTheLastLineOfTheFileWithoutAMessage) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    PracticeOptionsWindow w(fake.windows());
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join("|").toStdString();
    const QStringList expected = {"Docteur",
                                  "DUPONT",
                                  "Hélène",
                                  "Gynécologue",
                                  "Clinique de l'Espérance",
                                  "12, rue des Lilas",
                                  "BP 7",
                                  "Saint-Étienne, Cedex 2",
                                  "Loire",
                                  "04 77 00 00 00"};
    EXPECT_EQ(fieldTexts(w), expected);
    // The two titles are free text: nothing is offered in their lists.
    EXPECT_EQ(control<QComboBox>(w, "Combo1")->count(), 0);
    EXPECT_EQ(control<QComboBox>(w, "Combo2")->count(), 0);
    EXPECT_EQ(w.currentOptions().town, "Saint-Étienne, Cedex 2");
}

TEST(PracticeOptionsWindow, AMissingOrBrokenFileIsReportedAndTheScreenStaysUsable) {
    struct Case {
        const char* name;
        std::optional<QByteArray> file;
        QStringList shown;
    } cases[] = {
        {"missing", std::nullopt, {"", "", "", "", "", "", "", "", "", ""}},
        {"short",
         QByteArray("\"Docteur\",\"DUPONT\",\"Jean\"\r\n"),
         {"Docteur", "DUPONT", "Jean", "", "", "", "", "", "", ""}},
        {"quote never closed",
         QByteArray("\"Docteur\",\"DUPONT\",\"Jean\r\n"),
         {"Docteur", "DUPONT", "", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        if (c.file) fake.writeFile("options.tvx", *c.file);
        PracticeOptionsWindow w(fake.windows());
        EXPECT_EQ(fake.messages.shown, QStringList{kReadFailure}) << c.name;
        EXPECT_EQ(fieldTexts(w), c.shown) << c.name;

        // Still usable: typing and saving create a good file.
        w.show();
        typeText(control<QLineEdit>(w, "Text8"), "0102");
        control<QPushButton>(w, "Enregistre")->click();
        EXPECT_FALSE(w.isVisible()) << c.name;
        const PracticeOptionsReading saved =
            readPracticeOptions(fake.readFile("options.tvx").toStdString());
        EXPECT_TRUE(saved.complete) << c.name;
        EXPECT_EQ(saved.options.telephone, "0102") << c.name;
        EXPECT_EQ(saved.options.civility, c.shown[0].toStdString()) << c.name;
    }
}

TEST(PracticeOptionsWindow, SavingWritesTheTypedTextsInWindows1252AndCloses) {
    FakePlatform fake;
    fake.writeFile("options.tvx", "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    PracticeOptionsWindow w(fake.windows());
    w.show();
    typeText(control<QComboBox>(w, "Combo1")->lineEdit(), "Docteur");
    typeText(control<QLineEdit>(w, "Text1"), "D'ARC");
    typeText(control<QLineEdit>(w, "Text2"), "Hélène");
    typeText(control<QComboBox>(w, "Combo2")->lineEdit(), "Gynécologue-obstétricien");
    typeText(control<QLineEdit>(w, "Text3"), "Clinique \"Les Tilleuls\"");
    typeText(control<QLineEdit>(w, "Text4"), "12, rue de l'Église");
    typeText(control<QLineEdit>(w, "Text6"), "Saint-Étienne, Cedex 2");
    typeText(control<QLineEdit>(w, "Text7"), "Loire");
    typeText(control<QLineEdit>(w, "Text8"), "04 77 00 00 00");
    control<QPushButton>(w, "Enregistre")->click();

    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join("|").toStdString();
    const QByteArray expected = "\"Docteur\",\"D'ARC\",\"H\xe9l\xe8ne\",\"Gyn\xe9"
                                "cologue-obst\xe9tricien\",\"Clinique \"\"Les Tilleuls\"\"\","
                                "\"12, rue de l'\xc9glise\",\"\",\"Saint-\xc9tienne, Cedex 2\","
                                "\"Loire\",\"04 77 00 00 00\"\r\n";
    EXPECT_EQ(fake.readFile("options.tvx"), expected);

    // The next opening shows exactly what was typed.
    PracticeOptionsWindow again(fake.windows());
    EXPECT_EQ(fieldTexts(again), fieldTexts(w));
}

TEST(PracticeOptionsWindow, AFailedSaveIsReportedAndKeepsTheScreenOpenWithItsTexts) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    PracticeOptionsWindow w(fake.windows());
    w.show();
    control<QLineEdit>(w, "Text1")->clear();
    typeText(control<QLineEdit>(w, "Text1"), "NOUVEAU");
    const QStringList typed = fieldTexts(w);
    {
        FailingSaves failing(fake);
        control<QPushButton>(w, "Enregistre")->click();
    }
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(
        fake.messages.shown[0].startsWith("Impossible d'enregistrer le fichier options.tvx"))
        << fake.messages.shown[0].toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(fieldTexts(w), typed);

    // Once the folder can be written again, the same screen saves.
    control<QPushButton>(w, "Enregistre")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(readPracticeOptions(fake.readFile("options.tvx").toStdString()).options.lastName,
              "NOUVEAU");
}

TEST(PracticeOptionsWindow, EffacerEmptiesTheFieldsAndQuitterLeavesTheFileAlone) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    PracticeOptionsWindow w(fake.windows());
    w.show();
    control<QPushButton>(w, "Annuler")->click();
    EXPECT_EQ(fieldTexts(w), QStringList(10, QString()));
    EXPECT_TRUE(w.isVisible());
    control<QPushButton>(w, "Quitte")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(fake.readFile("options.tvx"), kTwoLines);
}

TEST(PracticeOptionsWindow, ControlsAreNamedLabelledAndInReadingOrder) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    PracticeOptionsWindow w(fake.windows());
    w.show();
    EXPECT_EQ(w.objectName(), "Form5");
    EXPECT_EQ(w.windowTitle(), "En tête et seuil pour l'amniocentèse");
    EXPECT_TRUE(control<QComboBox>(w, "Combo1")->isEditable());
    EXPECT_TRUE(control<QComboBox>(w, "Combo2")->isEditable());

    struct Control {
        QWidget* widget;
        const char* name;
        QString label;
    };
    const Control controls[] = {
        {control<QComboBox>(w, "Combo1"), "Combo1", "Civilité"},
        {control<QLineEdit>(w, "Text1"), "Text1", "NOM"},
        {control<QLineEdit>(w, "Text2"), "Text2", "Prénom"},
        {control<QComboBox>(w, "Combo2"), "Combo2", "Spécialité"},
        {control<QLineEdit>(w, "Text3"), "Text3", "Etablissement"},
        {control<QLineEdit>(w, "Text4"), "Text4", "Adresse 1"},
        {control<QLineEdit>(w, "Text5"), "Text5", "Adresse 2"},
        {control<QLineEdit>(w, "Text6"), "Text6", "Ville"},
        {control<QLineEdit>(w, "Text7"), "Text7", "Département"},
        {control<QLineEdit>(w, "Text8"), "Text8", "Télephone"},
        {control<QComboBox>(w, "CboConduite"), "CboConduite", "Conduite selon"},
        {control<QPushButton>(w, "Annuler"), "Annuler", "Effacer"},
        {control<QPushButton>(w, "Quitte"), "Quitte", "Quitter"},
        {control<QPushButton>(w, "Enregistre"), "Enregistre", "Enregistrer Quitter"},
    };
    QList<QWidget*> order;
    for (const Control& c : controls) {
        EXPECT_EQ(c.widget->objectName(), c.name);
        EXPECT_EQ(c.widget->accessibleName(), c.label) << c.name;
        order.append(c.widget);
        if (auto* b = qobject_cast<QPushButton*>(c.widget)) {
            EXPECT_EQ(b->text(), c.label);
            continue;
        }
        // Each field has its caption, which gives it the focus.
        bool labelled = false;
        for (const QLabel* l : w.findChildren<QLabel*>())
            labelled = labelled || (l->text() == c.label && l->buddy() == c.widget);
        EXPECT_TRUE(labelled) << c.name;
    }

    // Two per line for Civilité/NOM and Ville/Département; the others one per line.
    auto top = [&](QWidget* x) { return x->mapTo(&w, QPoint(0, x->height() / 2)).y(); };
    EXPECT_EQ(top(control<QComboBox>(w, "Combo1")), top(control<QLineEdit>(w, "Text1")));
    EXPECT_EQ(top(control<QLineEdit>(w, "Text6")), top(control<QLineEdit>(w, "Text7")));
    EXPECT_LT(top(control<QLineEdit>(w, "Text1")), top(control<QLineEdit>(w, "Text2")));
    EXPECT_LT(top(control<QLineEdit>(w, "Text5")), top(control<QLineEdit>(w, "Text6")));
    EXPECT_LT(top(control<QLineEdit>(w, "Text7")), top(control<QLineEdit>(w, "Text8")));

    // The focus chain visits the controls in reading order.
    QList<QWidget*> visited;
    QWidget* x = control<QComboBox>(w, "Combo1");
    do {
        if (order.contains(x) && !visited.contains(x)) visited.append(x);
        x = x->nextInFocusChain();
    } while (x != control<QComboBox>(w, "Combo1") && visited.size() < order.size());
    EXPECT_EQ(visited, order);
}

TEST(PracticeOptionsWindow, PrintoutsUseTheSavedLetterheadWhileTheScreenIsClosed) {
    {
        FakePlatform fake;
        fake.writeFile("options.tvx", kTwoLines);
        const PracticeOptions o = currentPracticeOptions(fake.windows());
        EXPECT_TRUE(fake.messages.shown.isEmpty());
        EXPECT_EQ(o.lastName, "DUPONT");
        EXPECT_EQ(o.speciality, "Gynécologue");
        EXPECT_EQ(o.telephone, "04 77 00 00 00");
    }
    // A broken file keeps what was read before the fault, and each printout tells it.
    FakePlatform fake;
    fake.writeFile("options.tvx", "\"Docteur\",\"DUPONT\"");
    const PracticeOptions partial = currentPracticeOptions(fake.windows());
    EXPECT_EQ(fake.messages.shown, QStringList{kReadFailure});
    EXPECT_EQ(partial.civility, "Docteur");
    EXPECT_EQ(partial.lastName, "DUPONT");
    EXPECT_EQ(partial.firstName, "");
    currentPracticeOptions(fake.windows());
    EXPECT_EQ(fake.messages.shown, (QStringList{kReadFailure, kReadFailure}));
}

TEST(PracticeOptionsWindow, PrintoutsUseTheOpenScreenOtherwiseTheFile) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    WindowRegistry windows(*fake.platform);
    EXPECT_EQ(currentPracticeOptions(windows).lastName, "DUPONT");
    EXPECT_EQ(windows.existing<PracticeOptionsWindow>(), nullptr); // no screen was built

    PracticeOptionsWindow& screen = windows.open<PracticeOptionsWindow>();
    control<QLineEdit>(screen, "Text1")->setText("MARTIN"); // typed, not saved
    EXPECT_EQ(currentPracticeOptions(windows).lastName, "MARTIN");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

} // namespace
} // namespace tovimar

namespace tovimar {
namespace {

// "Conduite selon": an old file opens on the single threshold; choosing the
// 2018 thresholds adds them to the line, and choosing back writes the ten
// texts alone again; "Effacer" leaves the choice, which is no text.
TEST(PracticeOptionsWindow, TheConductChoiceIsSavedAfterTheTextsAndOldFilesKeepTheSingleThreshold) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kTwoLines);
    EXPECT_EQ(currentScreeningStrategy(fake.windows()), ScreeningStrategy::SingleThreshold);
    PracticeOptionsWindow& w = fake.windows().open<PracticeOptionsWindow>();
    ASSERT_EQ(control<QComboBox>(w, "CboConduite")->count(), 2);
    EXPECT_EQ(control<QComboBox>(w, "CboConduite")->itemText(0),
              "le seuil unique des réglages du terme");
    EXPECT_EQ(control<QComboBox>(w, "CboConduite")->itemText(1),
              "les seuils de 2018 (1/1000 et 1/50)");
    EXPECT_EQ(control<QComboBox>(w, "CboConduite")->currentIndex(), 0);

    control<QComboBox>(w, "CboConduite")->setCurrentIndex(1);
    // The open screen's choice is in force before it is saved.
    EXPECT_EQ(currentScreeningStrategy(fake.windows()), ScreeningStrategy::Thresholds2018);
    control<QPushButton>(w, "Annuler")->click();
    EXPECT_EQ(control<QComboBox>(w, "CboConduite")->currentIndex(), 1);
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "");
    typeText(control<QLineEdit>(w, "Text1"), "DUPONT");
    control<QPushButton>(w, "Enregistre")->click();
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join("|").toStdString();
    EXPECT_EQ(fake.readFile("options.tvx"),
              "\"\",\"DUPONT\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"2018\"\r\n");

    PracticeOptionsWindow again(fake.windows());
    EXPECT_EQ(control<QComboBox>(again, "CboConduite")->currentIndex(), 1);
    EXPECT_EQ(control<QLineEdit>(again, "Text1")->text(), "DUPONT");

    control<QComboBox>(again, "CboConduite")->setCurrentIndex(0);
    control<QPushButton>(again, "Enregistre")->click();
    EXPECT_EQ(fake.readFile("options.tvx"),
              "\"\",\"DUPONT\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

// A choice this program does not know is told as a broken file when the
// screen opens; the conduct, read without a word, is the single threshold.
TEST(PracticeOptionsWindow, AnUnknownConductChoiceIsToldAndGivesTheSingleThreshold) {
    FakePlatform fake;
    fake.writeFile("options.tvx",
                   "\"\",\"DUPONT\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"2030\"\r\n");
    EXPECT_EQ(currentScreeningStrategy(fake.windows()), ScreeningStrategy::SingleThreshold);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    PracticeOptionsWindow w(fake.windows());
    EXPECT_EQ(fake.messages.shown, QStringList{kReadFailure});
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "DUPONT");
    EXPECT_EQ(control<QComboBox>(w, "CboConduite")->currentIndex(), 0);
}

} // namespace
} // namespace tovimar
