#include "random_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

RandomBoxAnswerer::RandomBoxAnswerer(std::uint64_t seed) : random(seed)
{
    QApplication::instance()->installEventFilter(this);
}

RandomBoxAnswerer::~RandomBoxAnswerer()
{
    QApplication::instance()->removeEventFilter(this);
}

bool RandomBoxAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            // Answered once the box's own event loop runs, as a learner would.
            QTimer::singleShot(
                0, this, [this, guarded = QPointer<QMessageBox>(box)] { answerBox(guarded); });
        }
    }
    return false;
}

void RandomBoxAnswerer::answerBox(QPointer<QMessageBox> box)
{
    if (!box || !box->isVisible())
        return;
    ++answered;
    const QString title = box->windowTitle();
    const QList<QAbstractButton *> buttons = box->buttons();
    if (buttons.isEmpty() && problem.isEmpty())
        problem = QStringLiteral("a box without buttons: ") + title;
    if (QApplication::activeModalWidget() != box && problem.isEmpty())
        problem = QStringLiteral("a box that is not modal: ") + title;

    // Tallied by the first line of the text: a right answer's title names its task.
    const QString said = box->text().section(QLatin1Char('\n'), 0, 0).trimmed();
    ++saying[said];

    // One answer in eight is Escape (No for a question, OK else), one Enter (the default
    // button); the others press a button drawn at random.
    QString answer;
    const int way = buttons.isEmpty() ? 0 : std::uniform_int_distribution<int>(0, 7)(random);
    if (way == 0) {
        answer = QStringLiteral("Escape");
        QTest::keyClick(box.data(), Qt::Key_Escape);
    } else if (way == 1) {
        answer = QStringLiteral("Enter");
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box.data(), Qt::Key_Return);
    } else {
        const auto last = static_cast<int>(buttons.size()) - 1;
        QAbstractButton *button = buttons.at(std::uniform_int_distribution<int>(0, last)(random));
        answer = button->text();
        button->click();
    }
    ++tally[QStringLiteral("\"%1\" -> %2").arg(said, answer)];
    if (box && box->isVisible()) {
        // The answer did not close it: close it anyway so the run goes on, and report it.
        if (problem.isEmpty())
            problem = QStringLiteral("a box that stayed open after ") + answer + ": " + title;
        box->done(QMessageBox::Cancel);
    }
}
