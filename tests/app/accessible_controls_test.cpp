// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears beyond the table of windows: the reading-order
// check on a small window of its own, combo boxes named by their purpose, and
// Qt's own file and print dialogs in French.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/screen_reader.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// The geometric check on a small window of two panels side by side: Tab that
// leaves the left panel for the right one and comes back (as it once went
// from the CRL to the serum and back to the nuchal translucency) is caught,
// and reading each panel whole is not.
TEST(WindowAccessibility, TabLeavingAPanelAndComingBackIsAgainstReading) {
    Fixture f;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* left = new QGroupBox("Clarté nucale");
    auto* leftRows = new QVBoxLayout(left);
    auto* crl = new QLineEdit;
    crl->setObjectName("TxtLCC");
    auto* nt = new QLineEdit;
    nt->setObjectName("TxtNC");
    leftRows->addWidget(crl);
    leftRows->addWidget(nt);
    auto* right = new QGroupBox("Sérologie");
    auto* serum = new QLineEdit;
    serum->setObjectName("TxtRiskSero");
    (new QVBoxLayout(right))->addWidget(serum);
    layout->addWidget(left);
    layout->addWidget(right);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(againstReading(&window, {crl, serum, nt}),
              QStringList{"TxtRiskSero → TxtNC (vers la gauche)"});
    EXPECT_EQ(againstReading(&window, {crl, nt, serum}), QStringList());
    // Within a panel too: upwards is against reading.
    EXPECT_EQ(againstReading(&window, {nt, crl}), QStringList{"TxtNC → TxtLCC (vers le haut)"});
}

TEST(WindowAccessibility, ComboBoxesAreNamedByTheirPurposeNotTheirValue) {
    // In Qt 6 on Linux a combo box answers its current text, whatever its
    // accessible name: ours answer by their name, else by their label.
    Fixture f;
    QWidget form;
    auto* layout = new QFormLayout(&form);
    auto* named = new QComboBox;
    named->addItems({"Masculin", "Féminin"});
    named->setCurrentIndex(1);
    named->setAccessibleName("Sexe Foetal");
    auto* labelled = new QComboBox;
    labelled->addItems({"A4", "Lettre US"});
    layout->addRow("&Format du papier :", labelled);
    layout->addRow("Sexe", named);
    form.show();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(named);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ComboBox);
    EXPECT_EQ(a->text(QAccessible::Name), "Sexe Foetal");
    EXPECT_EQ(a->text(QAccessible::Value), "Féminin");
    EXPECT_EQ(spokenName(labelled), "Format du papier");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(labelled)->text(QAccessible::Value), "A4");
    // Its list is its first child, as in Qt's own; opening it is its action.
    ASSERT_GE(a->childCount(), 1);
    EXPECT_EQ(a->child(0)->object(), named->view());
    EXPECT_EQ(a->indexOfChild(a->child(0)), 0);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_TRUE(
        a->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
}

TEST(WindowAccessibility, QtsOwnFileAndPrintDialogsSpeakFrenchNames) {
    Fixture f;
    QTranslator qtFrench;
    ASSERT_TRUE(qtFrench.load(QLocale(QLocale::French), "qtbase", "_",
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QApplication::installTranslator(&qtFrench);
    QFileDialog files(f.main.get(), "Enregistrer en PDF");
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilter("Document PDF (*.pdf)");
    QPrinter printer;
    QPrintDialog print(&printer, f.main.get());
    for (QWidget* dialog : std::initializer_list<QWidget*>{&files, &print}) {
        dialog->show();
        QApplication::processEvents();
        const QStringList unclear = unclearNames(dialog);
        EXPECT_TRUE(unclear.isEmpty())
            << dialog->windowTitle().toStdString() << ": " << unclear.join(", ").toStdString();
        for (QComboBox* combo : dialog->findChildren<QComboBox*>()) {
            if (combo->isVisibleTo(dialog)) {
                EXPECT_TRUE(namedInFrench(combo)) << heard(combo).toStdString();
            }
        }
        dialog->hide();
    }
    QApplication::removeTranslator(&qtFrench);
}

} // namespace
