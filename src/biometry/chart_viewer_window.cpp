// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/chart_viewer_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "biometry/growth_chart_widget.h"
#include "biometry/illustrations.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "ui/controls.h"

namespace tovimar {
namespace {

struct ViewerEntry {
    Measure m;
    const char* image;
    const char* button;
    const char* caption;
    const char* title;
    const char* source;
};
// In the order of the viewer's buttons.
const ViewerEntry kEntries[7] = {
    {Measure::Bip, "ImageBip", "BoutonBip", "Bip", "Diamètre Bipariétal", "Courbes du CFEF"},
    {Measure::Dat, "ImageDat", "BoutonDat", "Dat", "Abdominal transverse", "Courbes du CFEF"},
    {Measure::Cc, "ImageCc", "BoutonCc", "Cir. Ceph.", "Circonférence céphalique",
     "Courbes du CFEF"},
    {Measure::CA, "ImageCa", "BoutonCa", "Cir. Abdo.", "Circonférence abdominale",
     "Courbes du CFEF"},
    {Measure::Fem, "ImageFem", "BoutonFem", "Fémur", "Fémur", "Courbes du CFEF"},
    {Measure::Pied, "ImagePied", "BoutonPied", "Pied", "Pied", ""},
    {Measure::Cer, "ImageCerv", "BoutonCerv", "Cervelet", "Cervelet", "Courbes du CFEF"},
};

} // namespace

ChartViewerWindow::ChartViewerWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form4", QStringLiteral("Courbes biometriques")) {
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QAction* quit = menu->addAction(QStringLiteral("&Quitter"));
    QAction* help = menu->addAction(QStringLiteral("&Aide"));
    layout->setMenuBar(menu);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(help, &QAction::triggered, this, [this] { platform().help.showTopic(50); });

    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    Label1->setFont(big);
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* titles = new QHBoxLayout;
    titles->addWidget(Label1);
    titles->addSpacing(16);
    titles->addWidget(Label2);
    titles->addStretch();
    layout->addLayout(titles);

    AxeMm = new QLabel(QStringLiteral("mm."));
    AxeMm->setObjectName(QStringLiteral("AxeMm"));
    AxeSemaines = new QLabel(QStringLiteral("Semaines d'amenorrhée"));
    AxeSemaines->setObjectName(QStringLiteral("AxeSemaines"));
    AxeSemaines->setAlignment(Qt::AlignCenter);

    auto* chartGrid = new QGridLayout;
    chartGrid->addWidget(AxeMm, 0, 0, Qt::AlignLeft);
    ChartDrawing drawing;
    drawing.axisCaptions = false; // the window's own captions
    for (int i = 0; i < 7; ++i) {
        charts_[i] = new GrowthChartWidget(kEntries[i].m, drawing);
        charts_[i]->setObjectName(QString::fromLatin1(kEntries[i].image));
        charts_[i]->setAccessibleName(QStringLiteral("Courbe : ") +
                                      QString::fromUtf8(kEntries[i].title));
        charts_[i]->hide();
        chartGrid->addWidget(charts_[i], 1, 0);
    }
    chartGrid->addWidget(AxeSemaines, 2, 0);
    chartGrid->setRowStretch(1, 1);
    ImageBip = charts_[0], ImageDat = charts_[1], ImageCc = charts_[2], ImageCa = charts_[3];
    ImageFem = charts_[4], ImagePied = charts_[5], ImageCerv = charts_[6];

    auto* body = new QHBoxLayout;
    body->addLayout(chartGrid, 1);
    auto* side = new QVBoxLayout;
    std::array<QPushButton*, 7> buttons{};
    for (int i = 0; i < 7; ++i) {
        buttons[i] = button(kEntries[i].button, QString::fromUtf8(kEntries[i].caption));
        const Measure m = kEntries[i].m;
        connect(buttons[i], &QPushButton::clicked, this, [this, m] { showMeasure(m); });
        side->addWidget(buttons[i]);
    }
    BoutonBip = buttons[0], BoutonDat = buttons[1], BoutonCc = buttons[2], BoutonCa = buttons[3];
    BoutonFem = buttons[4], BoutonPied = buttons[5], BoutonCerv = buttons[6];
    side->addStretch();
    Image2 = new IllustrationWidget;
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(QStringLiteral("Illustration de la mesure"));
    Image2->setFixedSize(200, 150);
    side->addWidget(Image2);
    Quitter = button("Quitter", QStringLiteral("Quitter"));
    side->addWidget(Quitter);
    body->addLayout(side);
    layout->addLayout(body, 1);

    // "Quitter" hides the viewer; its menu "Quitter" closes it.
    connect(Quitter, &QPushButton::clicked, this, &QWidget::hide);
    setEscapeButton(Quitter);
    setReadingOrder(
        {BoutonBip, BoutonDat, BoutonCc, BoutonCa, BoutonFem, BoutonPied, BoutonCerv, Quitter});
    resize(900, 600);
    placeOnScreen();
}

void ChartViewerWindow::showMeasure(Measure m) {
    for (int i = 0; i < 7; ++i) {
        const bool shown = kEntries[i].m == m;
        charts_[i]->setVisible(shown);
        if (!shown) continue;
        Label1->setText(QString::fromUtf8(kEntries[i].title));
        Label2->setText(QString::fromUtf8(kEntries[i].source));
        Image2->setIllustration(illustrationPath(m));
    }
    show();
    raise();
}

GrowthChartWidget* ChartViewerWindow::shownChart() const {
    for (GrowthChartWidget* chart : charts_)
        if (!chart->isHidden()) return chart;
    return nullptr;
}

} // namespace tovimar
