#pragma once
// The statement window "Enunciat": the example problem chosen in the graph's
// menu, posed as a textbook poses it; its answers are in the main window's
// results. One window, which each choice fills anew.
#include <QWidget>

class QLabel;

namespace trayecta {

class FormEnunciat : public QWidget {
    Q_OBJECT
public:
    explicit FormEnunciat(QWidget *parent = nullptr);

    // Shown and brought to the front with the problem's title and statement.
    void showStatement(const QString &title, const QString &statement);

    QLabel *lblTitol = nullptr;
    QLabel *lblEnunciat = nullptr;
};

} // namespace trayecta
