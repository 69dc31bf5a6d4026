// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_platform.h"

#include <QFile>

namespace tovimar::testing {

FakePlatform::FakePlatform() {
    writeFile("term.tvx", kShippedTerm);
    settings = std::make_unique<SettingsFolder>(dir.path(), QString());
    platform = std::make_unique<Platform>(
        Platform{messages, prompt, clock, *settings, help, reports, calculator, clipboard});
}

void FakePlatform::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dir.path() + "/" + name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

QByteArray FakePlatform::readFile(const QString& name) const {
    QFile file(dir.path() + "/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tovimar::testing
