// Helpers shared by the window's tests.
#pragma once

#include "application.h"
#include "window/panel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

inline QLineEdit *fieldEdit(const Panel &panel, c3f8::field f)
{
    const QString name = QString::fromLatin1(c3f8::field_name(f).data(),
                                             static_cast<qsizetype>(c3f8::field_name(f).size()));
    if (auto *combo = panel.findChild<QComboBox *>(name))
        return combo->lineEdit();
    return panel.findChild<QLineEdit *>(name);
}

inline QComboBox *combo(const Panel &panel, const char *name)
{
    return panel.findChild<QComboBox *>(QString::fromLatin1(name));
}

inline QLabel *warningLabel(const Panel &panel, c3f8::warning w)
{
    return panel.findChild<QLabel *>(QString::fromLatin1(c3f8::row(w).name.data()));
}

inline QPushButton *button(const Panel &panel, const char *name)
{
    return panel.findChild<QPushButton *>(QString::fromLatin1(name));
}
