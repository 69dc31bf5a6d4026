// SPDX-License-Identifier: GPL-3.0-or-later
// The about box names the version and how to check the calculations.
#include <QLabel>
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "support/controls.h"

using namespace tovimar;
using namespace tovimar::testing;

TEST(AboutBox, NamesTheVersionAndHowToRerunThePublishedCases) {
    AboutBox about;
    EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(),
              QStringLiteral("Version " TOVIMAR_VERSION));
    const QString howTo = control<QLabel>(about, "lblVerification")->text();
    EXPECT_TRUE(howTo.contains("tovimar-calc --verifier")) << howTo.toStdString();
    EXPECT_TRUE(howTo.contains("Installation, réglages et vérification des calculs"));
}

TEST(AboutBox, SaysWhatTheProgramIsForAndThatItDoesNotReplaceClinicalJudgement) {
    AboutBox about;
    const QString use = control<QLabel>(about, "lblIntendedUse")->text();
    EXPECT_TRUE(use.contains("sages-femmes, obstétriciens et gynécologues")) << use.toStdString();
    EXPECT_TRUE(use.contains("aide au calcul")) << use.toStdString();
    EXPECT_TRUE(use.contains("ne remplace pas le jugement clinique")) << use.toStdString();
}

TEST(AboutBox, SaysItIsFreeSoftwareUnderTheGplVersion3OrLaterWithoutWarranty) {
    AboutBox about;
    const auto* label = control<QLabel>(about, "lblLicence");
    ASSERT_NE(label, nullptr);
    const QString licence = label->text();
    EXPECT_TRUE(licence.contains("logiciel libre")) << licence.toStdString();
    EXPECT_TRUE(licence.contains("Licence publique générale GNU")) << licence.toStdString();
    EXPECT_TRUE(licence.contains("version\u00a03 de la licence ou (à votre choix) toute version "
                                 "ultérieure"))
        << licence.toStdString();
    EXPECT_TRUE(licence.contains("SANS AUCUNE GARANTIE")) << licence.toStdString();
}
