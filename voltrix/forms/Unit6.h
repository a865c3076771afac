#pragma once
// The help window: a fixed description of the user interface in an editable,
// wrapping text box. Nothing typed into it is kept or read.
#include <QWidget>

class QPlainTextEdit;

namespace voltrix {

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    QPlainTextEdit *MemoAyuda;
};

extern TForm6 *Form6;

} // namespace voltrix
