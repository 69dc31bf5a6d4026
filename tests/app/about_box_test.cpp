// SPDX-License-Identifier: GPL-3.0-or-later
// The about box names the version and how to check the calculations.
#include <QLabel>
#include <gtest/gtest.h>

#include "app/about_box.h"

using namespace tovimar;

TEST(AboutBox, NamesTheVersionAndHowToRerunThePublishedCases) {
    AboutBox about;
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(),
              QStringLiteral("Version " TOVIMAR_VERSION));
    const QString howTo = about.findChild<QLabel*>("lblVerification")->text();
    EXPECT_TRUE(howTo.contains("tovimar-calc --verifier")) << howTo.toStdString();
    EXPECT_TRUE(howTo.contains("Installation, réglages et vérification des calculs"));
}

TEST(AboutBox, SaysWhatTheProgramIsForAndThatItDoesNotReplaceClinicalJudgement) {
    AboutBox about;
    const QString use = about.findChild<QLabel*>("lblIntendedUse")->text();
    EXPECT_TRUE(use.contains("sages-femmes, obstétriciens et gynécologues")) << use.toStdString();
    EXPECT_TRUE(use.contains("aide au calcul")) << use.toStdString();
    EXPECT_TRUE(use.contains("ne remplace pas le jugement clinique")) << use.toStdString();
}

TEST(AboutBox, SaysItIsFreeSoftwareUnderTheGplVersion3OrLaterWithoutWarranty) {
    AboutBox about;
    const auto* label = about.findChild<QLabel*>("lblLicence");
    ASSERT_NE(label, nullptr);
    const QString licence = label->text();
    EXPECT_TRUE(licence.contains("logiciel libre")) << licence.toStdString();
    EXPECT_TRUE(licence.contains("Licence publique générale GNU")) << licence.toStdString();
    EXPECT_TRUE(licence.contains("version\u00a03 de la licence ou (à votre choix) toute version "
                                 "ultérieure"))
        << licence.toStdString();
    EXPECT_TRUE(licence.contains("SANS AUCUNE GARANTIE")) << licence.toStdString();
}
