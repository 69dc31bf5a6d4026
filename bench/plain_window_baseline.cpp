// SPDX-License-Identifier: GPL-3.0-or-later
// The floor Qt sets for our start-up: a main window of the same size holding
// as many widgets of each kind, list entries and menu entries as ours
// (counted by main_window_census), built directly with none of the program's
// own work, stopping once its first paint is done. Only when built as
// plain_window_same_faces, it also shows a label in each typeface the census
// names (face=DejaVu_Serif/italic) and is linked to the Qt modules the program
// loads at start: the same fonts and libraries, still none of our work.
//   plain_window_baseline QLineEdit=30 QLabel=40 ... entries=64 actions=39 width=1000 height=620
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <map>
#ifdef SAME_FACES
#include <QPrintDialog>
#include <QSqlQueryModel>
#include <QSvgRenderer>
#endif

namespace {
class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // As the program measured: stops once the whole window has painted.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};
} // namespace

#ifdef SAME_FACES
// The Qt modules the program links: the loader maps and binds them at start.
extern const void* const linkedModules[] = {&QPrintDialog::staticMetaObject,
                                            &QSqlQueryModel::staticMetaObject,
                                            &QSvgRenderer::staticMetaObject};
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::map<QString, int> counts;
    QStringList faces;
    for (int i = 1; i < argc; ++i) {
        const QStringList pair = QString::fromLocal8Bit(argv[i]).split('=');
        if (pair.size() != 2) continue;
        if (pair[0] == QLatin1String("face"))
            faces << pair[1];
        else
            counts[pair[0]] = pair[1].toInt();
    }
#ifndef SAME_FACES
    faces.clear();
#endif
    QMainWindow window;
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    int cell = 0;
    auto place = [&](QWidget* w) {
        grid->addWidget(w, cell / 8, cell % 8);
        ++cell;
    };
    const int lists = std::max(1, counts["QListWidget"]);
    for (int i = 0; i < counts["QLineEdit"]; ++i)
        place(new QLineEdit(QString("%1").arg(i)));
    for (int i = 0; i < counts["QLabel"]; ++i)
        place(new QLabel(QString("Libellé %1").arg(i)));
    for (int i = 0; i < counts["QListWidget"]; ++i) {
        auto* list = new QListWidget;
        for (int k = 0; k < counts["entries"] / lists; ++k)
            list->addItem(QString("Entrée %1").arg(k));
        place(list);
    }
    for (int i = 0; i < counts["QGroupBox"]; ++i)
        place(new QGroupBox(QString("Cadre %1").arg(i)));
    for (int i = 0; i < counts["QScrollBar"]; ++i)
        place(new QScrollBar(Qt::Horizontal));
    for (int i = 0; i < counts["QCheckBox"]; ++i)
        place(new QCheckBox(QString("Case %1").arg(i)));
    for (int i = 0; i < counts["QPushButton"]; ++i)
        place(new QPushButton(QString("Bouton %1").arg(i)));
    for (int i = 0; i < counts["QToolButton"]; ++i)
        place(new QToolButton);
    for (int i = 0; i < counts["QWidget"]; ++i)
        place(new QWidget);
    for (const QString& face : faces) {
        const QStringList parts = face.split('/');
        QFont font(QString(parts[0]).replace('_', ' '));
        font.setBold(parts.contains(QLatin1String("bold")));
        font.setItalic(parts.contains(QLatin1String("italic")));
        auto* label = new QLabel(QStringLiteral("Libellé dans sa police"));
        label->setFont(font);
        place(label);
    }
    window.setCentralWidget(central);
    QMenu* menu = nullptr;
    for (int i = 0; i < counts["actions"]; ++i) {
        if (i % 8 == 0) menu = window.menuBar()->addMenu(QString("Menu %1").arg(i / 8));
        menu->addAction(QString("Entrée %1").arg(i));
    }
    if (counts["width"] > 0) window.resize(counts["width"], counts["height"]);
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
