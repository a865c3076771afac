#pragma once
// The graphs window "Gráficas": a quantity of the recorded run against time
// (since the last "Inicia", load or recall), chosen in "Magnitud:", with the
// reading of every curve at the time under the pointer. Its plot's menu saves
// the graph as a picture, copies it and exports the plotted data as CSV. It
// follows the experiment while shown; hidden, it costs the animation nothing.
#include <QWidget>

#include "voltrix/forms/Experiment.h"

#include "common/Handout.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace voltrix {

class RunPlot;

class TFormGraficas : public QWidget {
    Q_OBJECT

public:
    explicit TFormGraficas(Experiment &experiment, QWidget *parent = nullptr);

    QLabel *LabelMagnitud = nullptr;
    QComboBox *ComboMagnitud = nullptr; // in the order of GraphChoice
    RunPlot *Grafica = nullptr;
    QLabel *LabelLectura = nullptr; // t and each curve's value under the pointer
    QMenu *MenuGrafica = nullptr;
    QAction *GuardarGrafica = nullptr;
    QAction *CopiarGrafica = nullptr;
    QAction *ExportarDatosGrafica = nullptr;

    void ComboMagnitudChange();
    void GraficaMouseMove(QPoint at);
    void GraficaContextMenu(QPoint at);
    void GuardarGraficaClick();
    void CopiarGraficaClick();
    void ExportarDatosGraficaClick();

    // The plot as shown, as an image at a pixel ratio and as SVG.
    QImage graphImage(qreal pixelRatio) const;
    QByteArray graphSvg() const;
    // The plot as shown, for the printed report, headed by the quantity's name.
    orvalis::HandoutFigure printedGraph() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showChanges(Experiment::Changes what);
    void showReading();
    void describePlot(); // what a screen reader says the plot shows

    Experiment &experiment_;
    QPoint pointer_{-1, -1};
    QString lastFolder_;
};

extern TFormGraficas *FormGraficas;

} // namespace voltrix
