// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/t21_about_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"

namespace tovimar {

const char* const kT21AboutText =
    "Calcul du risque de trisomie 21\n"
    "\n"
    "Ce formulaire combine les sources de risque dont vous disposez, chacune selon une méthode "
    "publiée :\n"
    "- l'âge gestationnel d'après la longueur cranio-caudale (LCC), selon Robinson ;\n"
    "- le risque lié à l'âge maternel à terme, selon Cuckle ;\n"
    "- le risque lié à la clarté nucale (médiane attendue pour la LCC et rapport de "
    "vraisemblance), selon Nicolaides et ses collaborateurs ;\n"
    "- le risque relatif selon l'âge de la grossesse, selon Snijders ;\n"
    "- le coefficient des signes échographiques, selon Nyberg et Cicero (rapports de 2001, "
    "nettement revus à la baisse depuis : Cicero 2004, Agathokleous 2013) ;\n"
    "- le risque intégré (risque sérique combiné à la clarté nucale), selon Hutchon.\n"
    "\n"
    "Ce formulaire n'a fait l'objet d'aucune validation officielle. Il donne un risque de "
    "dépistage, non un diagnostic. Le détail de la méthode, ses constantes et ses limites se "
    "trouvent dans l'aide (menu Aide).\n"
    "\n"
    "Le risque sérique mérite d'être recalculé par le laboratoire en tenant compte de la mesure de "
    "la clarté nucale et des autres éléments échographiques.\n"
    "\n"
    "Références :\n"
    "1. Cuckle HS, Wald NJ, Thompson SG. Estimating a woman's risk of having a pregnancy "
    "associated with Down's syndrome using her age and serum alpha-fetoprotein level. Br J Obstet "
    "Gynaecol 1987;94:387-402.\n"
    "2. Snijders RJM, Sundberg K, Holzgreve W, Henry G, Nicolaides KH. Maternal age- and "
    "gestation-specific risk for trisomy 21. Ultrasound Obstet Gynecol 1999;13:167-70.\n"
    "3. Nicolaides KH, Azar G, Byrne D, Mansur C, Marks K. Fetal nuchal translucency: ultrasound "
    "screening for chromosomal defects in first trimester of pregnancy. BMJ 1992;304:867-9.\n"
    "4. Pandya PP, Snijders RJM, Johnson SP, Brizot ML, Nicolaides KH. Screening for fetal "
    "trisomies by maternal age and fetal nuchal translucency thickness at 10 to 14 weeks of "
    "gestation. Br J Obstet Gynaecol 1995;102:957-62.\n"
    "5. Snijders RJM, Noble P, Sebire N, Souka A, Nicolaides KH. UK multicentre project on "
    "assessment of risk of trisomy 21 by maternal age and fetal nuchal-translucency thickness at "
    "10-14 weeks of gestation. Lancet 1998;352:343-6.\n"
    "6. Nicolaides KH. Nuchal translucency and other first-trimester sonographic markers of "
    "chromosomal abnormalities. Am J Obstet Gynecol 2004;191:45-67.\n"
    "7. Robinson HP, Fleming JE. A critical evaluation of sonar \"crown-rump length\" "
    "measurements. Br J Obstet Gynaecol 1975;82:702-710.\n"
    "8. Cicero S, Curcio P, Papageorghiou A, Sonek J, Nicolaides K. Absence of nasal bone in "
    "fetuses with trisomy 21 at 11-14 weeks of gestation: an observational study. Lancet "
    "2001;358:1665-7.\n"
    "9. Nyberg DA, Souter VL, El-Bastawissi A, Young S, Luthhardt F, Luthy DA. Isolated "
    "sonographic markers for detection of fetal Down syndrome in the second trimester of "
    "pregnancy. J Ultrasound Med 2001;20:1053-63.\n"
    "10. Wald NJ, Watt HC, Hackshaw AK. Integrated screening for Down's syndrome based on tests "
    "performed during the first and second trimesters. N Engl J Med 1999;341:461-7.";

T21AboutWindow::T21AboutWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form13", QStringLiteral("A propos du calcul de risque")) {
    auto* layout = new QVBoxLayout(this);
    aboutText = named(new QPlainTextEdit(QString::fromUtf8(kT21AboutText)), "Text1",
                      QStringLiteral("A propos du calcul de risque"));
    aboutText->setReadOnly(true);
    aboutText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    aboutText->setMinimumSize(620, 420);
    layout->addWidget(aboutText);
    closeButton = button("Command1", QStringLiteral("Fermer"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(closeButton);
    setReadingOrder({aboutText, closeButton});
    placeOnScreen();
}

} // namespace tovimar
