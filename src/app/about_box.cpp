// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "ui/pictures.h"

namespace tovimar {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("À propos de ") + kApplicationTitle);
    auto* layout = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(picture("app_icon"));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon);

    auto* text = new QVBoxLayout;
    auto* title = new QLabel(kApplicationTitle, this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version ") + QStringLiteral(TOVIMAR_VERSION), this);
    version->setObjectName("lblVersion");
    auto* description =
        new QLabel(QStringLiteral("Logiciel d'aide à la pratique de l'Obstétrique"), this);
    description->setObjectName("lblDescription");
    // What the program is for, and what it is not.
    auto* intendedUse = new QLabel(
        QStringLiteral("Calculette destinée aux sages-femmes, obstétriciens et gynécologues "
                       "(datation, suivi de la grossesse, scores, risques). C’est une aide au "
                       "calcul pour les praticiens\u00a0: elle ne remplace pas le jugement "
                       "clinique."),
        this);
    intendedUse->setObjectName("lblIntendedUse");
    intendedUse->setWordWrap(true);
    // The calculations can be checked against the published cases they follow.
    auto* verification = new QLabel(
        QStringLiteral("Pour refaire les cas publiés qui servent de référence aux calculs, "
                       "tapez dans un terminal :<br><code>tovimar-calc --verifier</code><br>"
                       "(voir l'aide, « Installation, réglages et vérification des calculs »)."),
        this);
    verification->setObjectName("lblVerification");
    verification->setWordWrap(true);
    verification->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Free software: the licence, and the warranty it does not give.
    auto* licence = new QLabel(
        QStringLiteral("Tovimar-S est un logiciel libre : vous pouvez le redistribuer et le "
                       "modifier selon les termes de la Licence publique générale GNU (GNU GPL) "
                       "publiée par la Free Software Foundation, version 3 de la licence ou "
                       "(à votre choix) toute version ultérieure. Il est distribué dans l’espoir "
                       "qu’il sera utile, mais SANS AUCUNE GARANTIE, sans même la garantie "
                       "implicite de QUALITÉ MARCHANDE ou d’ADÉQUATION À UN USAGE PARTICULIER. "
                       "Le texte de la licence accompagne le programme (fichier COPYING, "
                       "/usr/share/common-licenses/GPL-3 sur Debian)."),
        this);
    licence->setObjectName("lblLicence");
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    text->addWidget(intendedUse);
    text->addSpacing(8);
    text->addWidget(verification);
    text->addSpacing(8);
    text->addWidget(licence);
    text->addStretch();
    text->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(text);
}

} // namespace tovimar
