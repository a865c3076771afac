#pragma once
// The about window: names the group and the program, and can switch from its
// text to a picture. Two states: text (at start, and whenever the main menu
// opens it) and picture (after "Grupo" is pressed).
#include <QWidget>

class QLabel;
class QPushButton;

namespace voltrix {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QLabel *Label1; // title line, stays visible in both states
    QLabel *Label2;
    QLabel *ImageGrupo; // the picture, hidden in the text state
    QLabel *Label3;
    QLabel *Label4, *Label10, *Label6, *Label8; // left column
    QLabel *Label5, *Label11, *Label7, *Label9; // right column
    QPushButton *BtnGrupo;

    // Click on "Grupo" or on the picture: show the picture over the text.
    void BtnGrupoClick();
    // Back to the text state: picture hidden, Label2..Label11 and "Grupo" shown.
    // The main menu calls it each time it opens the window.
    void showTextState();
    bool isPictureState() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QWidget *> textStateWidgets() const;
};

extern TForm3 *Form3;

} // namespace voltrix
