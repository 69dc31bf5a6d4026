// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form10: the start-up picture, shown while the main window loads.

#include <QWidget>

namespace tovimar {

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap tile_;
    QPixmap picture_;
};

} // namespace tovimar
