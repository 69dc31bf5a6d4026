// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one of the program's SVG pictures to PNG at build time, so that
// the program shows its pictures without parsing SVG at start-up.
//   render_picture in.svg out.png width height
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_picture in.svg out.png width height\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_picture: %s is not a valid SVG picture\n", argv[1]);
        return 1;
    }
    QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
