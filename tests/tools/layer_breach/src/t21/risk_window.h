// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

class QLabel;

class RiskWindow : public QWidget {
  public:
    QLabel* result; // read by others: the window is the store
    int risk() const;

  private:
    QLabel* caption;
};
