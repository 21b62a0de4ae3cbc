// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FrmPeriodni.h"
#include "app/LessonTools.h"
#include "app/ToolPanel.h"
#include "support/FakeDesktopSeam.h"
#include "support/TestFiles.h"
#include "table/ElementGrid.h"
#include "temperature/StateOfMatter.h"
#include "ui/ElementButton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

// The main window in a program folder of its own, with the desktop replaced by a recorder. With
// `config` the folder holds that configuration file; with `start` the window runs its start-up.
struct TestWindow
{
    explicit TestWindow(const QByteArray &config = {}, bool start = true)
    {
        if (!config.isEmpty())
            writeAll(folder.filePath(QStringLiteral("quon_pse.cfg")), config);
        window = std::make_unique<FrmPeriodni>(seam, folder.path() + u'/');
        if (start)
            window->formLoad();
    }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    // The caption or text of a label, a text box or a button.
    QString text(const QString &name) const
    {
        if (auto *edit = find<QLineEdit>(name))
            return edit->text();
        if (auto *label = find<QLabel>(name))
            return label->text();
        if (auto *box = find<QTextEdit>(name))
            return box->toPlainText();
        if (auto *button = find<QAbstractButton>(name))
            return button->text();
        return QStringLiteral("<no control %1>").arg(name);
    }

    ProgramState &state() const { return window->state(); }
    ElementButton *element(int index) const
    {
        return find<ElementButton>(QStringLiteral("cmdElement_%1").arg(index));
    }

    // The first element button whose colour is not that of its state at `kelvin` (curium and
    // after: not known), or -1.
    int firstOutOfState(int kelvin, const StateColours &colours = {}) const
    {
        const PropertyTables &t = state().tables;
        for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
            const auto at = std::size_t(i);
            const QColor expected =
                i > 95 ? colours.unknown
                       : colours.forState(stateAt(celsiusFromReading(kelvin, true),
                                                  t.meltingPoints[at], t.boilingPoints[at]));
            if (element(i)->backgroundColour() != expected)
                return i;
        }
        return -1;
    }

    QTemporaryDir folder;
    FakeDesktopSeam seam;
    std::unique_ptr<FrmPeriodni> window;
};
