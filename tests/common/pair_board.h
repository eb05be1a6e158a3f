#pragma once

#include "games/pairs/form2.h"
#include "numerals/numerals.h"
#include "platform/caption.h"

#include <QLabel>
#include <QListWidget>
#include <array>

// A round of the pair game with chosen numbers, written into the game's controls as set-up
// leaves one (the round lives in the controls alone): number captions and numerals in the
// order given, the numerals sorted in the lower box, the count at "0".
inline void layPairBoard(Form2 &game, const std::array<int, 9> &numbers)
{
    auto *captions = game.findChild<QListWidget *>(QStringLiteral("Liste1"));
    auto *numerals = game.findChild<QListWidget *>(QStringLiteral("Liste2"));
    auto *sorted = game.findChild<QListWidget *>(QStringLiteral("Liste3"));
    const auto label = [&game](int number) {
        return game.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(number));
    };
    captions->clear();
    numerals->clear();
    sorted->clear();
    QStringList inOrder;
    for (const int number : numbers) {
        captions->addItem(QString::fromStdString(SpaceOutNumber(number)));
        numerals->addItem(QString::fromStdString(ComposeNumeral(number)));
        inOrder << QString::fromStdString(ComposeNumeral(number));
    }
    // Plain character order is the game's order for the letters C, D, I, L, M, V, X.
    inOrder.sort();
    sorted->addItems(inOrder);
    for (int k = 1; k <= 9; ++k) {
        setCaption(label(k), captions->item(k - 1)->text());
        setCaption(label(k + 9), sorted->item(k - 1)->text());
    }
    setCaption(label(19), QStringLiteral("0"));
}

// The first lower label that shows this numeral, or null.
inline QLabel *lowerLabelShowing(Form2 &game, const QString &numeral)
{
    for (int number = 10; number <= 18; ++number) {
        auto *label = game.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(number));
        if (caption(label) == numeral)
            return label;
    }
    return nullptr;
}
