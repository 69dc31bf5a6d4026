// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A first-trimester consultation in the trisomy 21 window: the fields typed,
// "Calcule" pressed, the signs ticked and the conduct chosen, as the
// practitioner does.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "t21/t21_risk_window.h"
#include "ui/controls.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_window.h"

namespace tovimar::testing {

struct Consultation {
    FakePlatform fake;
    T21RiskWindow& w;

    Consultation() : w(fake.windows().open<T21RiskWindow>()) {}

    void type(QLineEdit* field, const QString& text) {
        field->clear();
        typeText(field, text);
    }
    void fill(const QString& age, const QString& crl, const QString& nt, const QString& serum) {
        type(control<QLineEdit>(w, "TxtAgeMat"), age);
        type(control<QLineEdit>(w, "TxtLCC"), crl);
        type(control<QLineEdit>(w, "TxtNC"), nt);
        type(control<QLineEdit>(w, "TxtRiskSero"), serum);
    }
    void calculate() { QTest::mouseClick(control<QPushButton>(w, "CmdCalcule"), Qt::LeftButton); }
    void tick(int row, bool on) {
        control<QListWidget>(w, "List1")
            ->item(row)
            ->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    bool shown(QWidget* widget) const { return widget->isVisibleTo(&w); }
    // White on the red that reads at the AA level (pure red reads at 4:1 only).
    bool red(QLabel* label) const {
        return label->palette().color(label->backgroundRole()) == kReadableRed;
    }
    // The practitioner chooses the conduct in the practice options and saves it.
    void chooseConduct(ScreeningStrategy strategy) {
        auto& screen = fake.windows().open<PracticeOptionsWindow>();
        control<QComboBox>(screen, "CboConduite")
            ->setCurrentIndex(strategy == ScreeningStrategy::Thresholds2018 ? 1 : 0);
        control<QPushButton>(screen, "Enregistre")->click();
    }
};

} // namespace tovimar::testing
