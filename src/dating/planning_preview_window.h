#pragma once
// Form2, "Imprime": the planning as two editable texts, the letterhead and
// the letter, printed as they stand.

#include <QWidget>

class QAction;
class QPlainTextEdit;

namespace tovimar {

class WindowRegistry;
struct Platform;
struct PlanningPreview;

class PlanningPreviewWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PlanningPreviewWindow(WindowRegistry& windows);

    void setTexts(const PlanningPreview& preview);
    // The texts as they stand, lines separated by CR LF.
    QString headerText() const;
    QString letterText() const;

    QPlainTextEdit *Entet, *Lettre;
    QAction *Imprimer02, *Quitte;

  private:
    void printTexts();

    Platform& platform_;
};

} // namespace tovimar
