// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture1: the moon of the day in the main window, drawn line by line.

#include <QWidget>

namespace tovimar {

class MoonWidget : public QWidget {
    Q_OBJECT
  public:
    explicit MoonWidget(QWidget* parent = nullptr);
    void setPhase(double phase);
    double phase() const { return phase_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double phase_ = 0.0;
};

} // namespace tovimar
