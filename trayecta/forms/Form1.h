#pragma once
// Trayecta's one window: the problem inputs, the results and the km/h converter
// on the left, the trajectory graph with its ticks and pointer readout on the
// right. The handlers only move texts between the fields and the projectile
// solver, the input rules and the graph plan, which hold all the arithmetic.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "trayecta/core/Failure.h"
#include "trayecta/core/InputRules.h"
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryOverlay.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QInputMethodEvent;
class QKeyEvent;
class QMenu;
class QPushButton;
class QRadioButton;

namespace orvalis {
struct Handout;
}

namespace trayecta {

class CurveFollower;
class FormEnunciat;
class GraphArea;
struct GraphPicture;

class FORM1 : public QWidget {
    Q_OBJECT
public:
    explicit FORM1(QWidget *parent = nullptr);

    // Replaceable for tests: how the failure report shows its message, and the beep.
    static inline std::function<void(const QString &title, const QString &text)> failureMessage;
    static inline std::function<void()> beep;

    // Controls, by their names in the layout.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtrx0 = nullptr, *txtry0 = nullptr;
    QLineEdit *txtkmh = nullptr, *txtms = nullptr;
    QLineEdit *txtv0x = nullptr, *txtv0y = nullptr, *txtvinicial = nullptr;
    QLineEdit *txtangulo = nullptr, *txtsin = nullptr, *txtcos = nullptr;
    std::array<QLineEdit *, 2> txtaccelinicial{};
    QLineEdit *txtrfinal = nullptr, *txtvfinal = nullptr;
    QLineEdit *txtalcance = nullptr, *txtvuelo = nullptr, *txtaltura = nullptr, *txtmin = nullptr;
    QLineEdit *txtvimpactox = nullptr, *txtvimpactoy = nullptr, *txtmodulo = nullptr;
    QRadioButton *opt1 = nullptr, *opt2 = nullptr, *opta = nullptr, *optb = nullptr;
    QPushButton *cmdigual = nullptr, *cmdcalcular = nullptr, *cmdborrar = nullptr;
    QCheckBox *Check1 = nullptr;
    GraphArea *Dibu = nullptr;
    QLabel *lblmouse = nullptr;
    QLabel *lblescalay = nullptr;
    QLabel *lblescalax = nullptr; // the only member (13) of its array
    std::array<QLabel *, 14> lblx{};
    std::array<QLabel *, 13> blbt{};

    // The graph area's menu: overlaying, saving, copying and exporting the graph.
    QMenu *mnuDibu = nullptr;
    QAction *mnuSuperposa = nullptr, *mnuDesaGrafica = nullptr, *mnuCopiaGrafica = nullptr, *mnuExportaPunts = nullptr;
    // "Problemes d'exemple", last in the menu: one item a problem, and the
    // window of the chosen one's statement.
    QAction *mnuProblemes = nullptr;
    std::vector<QAction *> mnuProblema;
    FormEnunciat *frmEnunciat = nullptr;
    // "Anima el llançament", after them: the ball flies along the shown curve.
    QAction *mnuAnima = nullptr;
    // Last: the problem sheet printed or saved as PDF, and the student's sheet.
    QAction *mnuImprimeix = nullptr, *mnuDesaPdf = nullptr, *mnuFullAlumne = nullptr;

    // A fixed line control: from (x1, y1) to (x2, y2) in window pixels.
    struct LineShape {
        int x1, y1, x2, y2;
    };
    const std::vector<LineShape> &lines() const { return lines_; }

    // Handlers.
    void Form_Load();
    void Cmdcalcular_Click();
    void Cmdborrar_Click();
    void cmdigual_Click();
    void opt1_Click();
    void opt2_Click();
    void opta_Click();
    void optb_Click();
    void txtcos_LostFocus();
    void txtsin_LostFocus();
    void txtv0x_LostFocus();
    void txtv0y_LostFocus();
    void Dibu_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Form_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Dibu_ContextMenu(QPoint at);
    void mnuSuperposa_Click();
    void mnuDesaGrafica_Click();
    void mnuCopiaGrafica_Click();
    void mnuExportaPunts_Click();
    void mnuProblema_Click(int Index); // fills the inputs, calculates and shows the statement
    void mnuAnima_Click();
    void mnuImprimeix_Click();
    void mnuDesaPdf_Click();
    void mnuFullAlumne_Click();

    // The key filter: true when the key is to be discarded.
    bool FiltraTecla(quint16 KeyAscii);
    void txtrx0_KeyPress(quint16 &KeyAscii);
    void txtry0_KeyPress(quint16 &KeyAscii);
    void txtv0x_KeyPress(quint16 &KeyAscii);
    void txtv0y_KeyPress(quint16 &KeyAscii);
    void txtvinicial_KeyPress(quint16 &KeyAscii);
    void txtangulo_KeyPress(quint16 &KeyAscii);
    void txtsin_KeyPress(quint16 &KeyAscii);
    void txtcos_KeyPress(quint16 &KeyAscii);
    void txtkmh_KeyPress(quint16 &KeyAscii);
    void txtaccelinicial_KeyPress(int Index, quint16 &KeyAscii);

    // The shared failure report of the trapped handlers.
    void ErroreS(std::optional<Failure> failure);

    const ProjectileSolver &solver() const { return solver_; }
    // The curves on the graph, and the picture that is saved and copied.
    const TrajectoryOverlay &overlay() const { return overlay_; }
    GraphPicture graphPicture() const;
    // The marker on the shown curve and its panel of values.
    CurveFollower *follower() const { return follower_; }
    // The page printed and saved: the window's texts as shown; for the
    // student, without equations, results or curve.
    orvalis::Handout problemSheet(bool forTheStudent) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildLayout();
    void setTabOrder();
    void connectHandlers();
    void rejectKey(quint16 &KeyAscii);
    void applyComponentRule(ComponentAxis leaving);
    void applyUnitRange(QLineEdit *field, const char *replacement);
    VelocityMode velocityMode() const;
    InputTexts inputTexts() const;
    void showInputTexts(const InputTexts &in);
    void showResults(const ResultTexts &results);
    std::optional<Failure> drawGraph();
    std::optional<Failure> drawTrajectory(const TrajectoryInputs &inputs);
    void showTicks(const TickTexts &ticks);
    void buildGraphMenu();
    // Accessible names of the controls, and the graph's description of what it shows.
    void nameControls();
    void describeGraph(bool drawn);
    void saveSheet(bool forTheStudent);
    void plotCurve(const std::vector<PlotPoint> &points);
    void showFailureBox(const QString &message);
    void reportFileFailure(const QString &whatFailed, const std::string &description);
    QString chooseFileToWrite(const QString &title, const QStringList &filters, const QStringList &suffixes,
                              const QString &name, int *chosenFilter);

    struct KeyHandler {
        QLineEdit *field;
        std::function<void(quint16 &)> handler;
    };
    const KeyHandler *keyHandlerOf(const QObject *field) const;
    bool passesKeyFilter(const KeyHandler &h, quint16 code);
    void typeFiltered(const KeyHandler &h, const QString &text);
    bool filterKeyPress(const KeyHandler &h, QKeyEvent *event);
    bool filterInputMethod(const KeyHandler &h, QInputMethodEvent *event);
    void pasteFiltered(const KeyHandler &h, QClipboard::Mode mode);
    void showFieldMenu(const KeyHandler &h, const QPoint &globalPos);
    struct FocusHandler {
        QLineEdit *field;
        void (FORM1::*handler)();
    };

    ProjectileSolver solver_;
    TrajectoryOverlay overlay_;
    CurveFollower *follower_ = nullptr;
    std::vector<LineShape> lines_;
    std::size_t firstGraphTick_ = 0; // lines_ from here on are the graph's tick marks
    QString lastFolder_;             // where the last file from the graph's menu went
    // The example problem whose data the inputs hold, until the user edits them.
    std::optional<std::size_t> exampleShown_;
    std::vector<KeyHandler> keyHandlers_;
    std::vector<FocusHandler> focusHandlers_;
    QLineEdit *keyField_ = nullptr; // the field whose keystroke is being filtered
};

} // namespace trayecta
