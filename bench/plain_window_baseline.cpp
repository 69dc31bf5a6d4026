// The floor Qt sets for our start-up: a main window holding as many widgets
// and menu entries as ours, built directly, ending after its first paint.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {
class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int widgets = argc > 1 ? std::atoi(argv[1]) : 150;
    const int menuEntries = argc > 2 ? std::atoi(argv[2]) : 40;
    QMainWindow window;
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < widgets; ++i) {
        QWidget* w = i % 2 ? static_cast<QWidget*>(new QLineEdit) : new QLabel(QString("Libellé %1").arg(i));
        grid->addWidget(w, i / 6, i % 6);
    }
    window.setCentralWidget(central);
    QMenu* menu = nullptr;
    for (int i = 0; i < menuEntries; ++i) {
        if (i % 8 == 0) menu = window.menuBar()->addMenu(QString("Menu %1").arg(i / 8));
        menu->addAction(QString("Entrée %1").arg(i));
    }
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
