// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmAbout: the program's name, version and purpose.

#include <QDialog>

namespace tovimar {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace tovimar
