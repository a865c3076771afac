#pragma once
// Numbers into edit boxes with the program's own number texts (always the
// decimal point). The displays that follow every step leave a box alone when
// its text is unchanged, which spares it the text layout.
#include <QLineEdit>

#include <string>

#include "voltrix/core/NumberText.h"

namespace voltrix {

inline void showText(QLineEdit *edit, const std::string &text)
{
    const QString shown = QString::fromStdString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

inline void show31(QLineEdit *edit, float value) { showText(edit, format31(value)); }

// A handler's own write: always replaces the text, as typing may have left
// the box holding something else.
inline void setText31(QLineEdit *edit, float value) { edit->setText(QString::fromStdString(format31(value))); }

} // namespace voltrix
