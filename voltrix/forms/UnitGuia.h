#pragma once
// The guide window "Guía": what a classic experiment from "Experiencias" is,
// what to predict with its numbers, where to check it and a question for the
// students. One window, which each choice fills anew.
#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace voltrix {

class TFormGuia : public QWidget {
    Q_OBJECT
public:
    explicit TFormGuia(QWidget *parent = nullptr);

    // The experiment's title first, then its lines; shown and brought to the front.
    void showGuide(const std::vector<std::string> &lines);

    QLabel *LabelTitulo = nullptr;
    QLabel *LabelGuia = nullptr;
};

extern TFormGuia *FormGuia;

} // namespace voltrix
