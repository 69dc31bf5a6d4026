// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form4, "Courbes biometriques" opened from the main window's menu: each
// growth chart with its axes' captions, its source and an illustration of how
// the measure is taken. It plots nothing.

#include <array>

#include "biometry/biometry_measures.h"
#include "ui/tool_window.h"

class QLabel;
class QPushButton;

namespace tovimar {

class GrowthChartWidget;
class IllustrationWidget;

class ChartViewerWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit ChartViewerWindow(WindowRegistry& windows);

    // What the measure's button (and its menu entry) does: shows that chart.
    void showMeasure(Measure m);
    GrowthChartWidget* shownChart() const;

    QLabel *Label1, *Label2, *AxeMm, *AxeSemaines;
    GrowthChartWidget *ImageBip, *ImageCc, *ImageDat, *ImageCa, *ImageFem, *ImagePied, *ImageCerv;
    IllustrationWidget* Image2;
    QPushButton *BoutonBip, *BoutonDat, *BoutonCc, *BoutonCa, *BoutonFem, *BoutonPied, *BoutonCerv,
        *Quitter;

  private:
    std::array<GrowthChartWidget*, 7> charts_{};
};

} // namespace tovimar
