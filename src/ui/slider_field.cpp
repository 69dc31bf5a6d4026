// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slider_field.h"

#include <QAbstractSlider>
#include <QLineEdit>

namespace tovimar {

void onUserMove(QAbstractSlider* slider, std::function<void(int)> moved) {
    // actionTriggered comes from the user's moves only, before the value
    // changes: the position it goes to is the slider position.
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider,
                     [slider, moved = std::move(moved)] { moved(slider->sliderPosition()); });
}

void fillsField(QAbstractSlider* slider, QLineEdit* field, std::function<QString(int)> text) {
    onUserMove(slider, [field, text = std::move(text)](int position) {
        field->setText(text ? text(position) : QString::number(position));
    });
}

} // namespace tovimar
