#include "exercises/exercise_panel.h"

#include "exercises/answer_rules.h"
#include "exercises/exercise_task.h"
#include "platform/announcement.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/lenient_number.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/spoken_words.h"
#include "platform/twips.h"
#include "widgets/picture_box.h"
#include "widgets/shown_children.h"
#include "widgets/spoken_name.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace
{

const QColor panelColour(192, 255, 255);
const QColor labelColour(128, 255, 255);
const QColor white(255, 255, 255);
const QColor red(255, 0, 0);

} // namespace

ExercisePanel::ExercisePanel(const char *name, QLabel *rightCounter, QLabel *wrongCounter,
                             QWidget *parent)
    : QWidget(parent), rightCounter(rightCounter), wrongCounter(wrongCounter)
{
    setObjectName(QString::fromLatin1(name));
    exposeShownChildrenOnly(this);
    // Created out of sight; the main window moves it into the work area at Left 2160.
    setGeometry(twipsRect(10800, 2760, 7815, 3375));
    setBackground(this, panelColour);
}

QLabel *ExercisePanel::addHeading(const char *name, const QString &caption)
{
    auto *heading = new QLabel(caption, this);
    heading->setObjectName(QString::fromLatin1(name));
    heading->setGeometry(twipsRect(0, 0, 7815, 255));
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    heading->setFont(sansFont(9.75));
    setBackground(heading, labelColour);
    return heading;
}

PictureBox *ExercisePanel::addTablet(const char *name)
{
    auto *tablet = new PictureBox(QStringLiteral("tablet"), panelColour, this);
    tablet->setObjectName(QString::fromLatin1(name));
    tablet->setGeometry(twipsRect(240, 600, 1335, 1215));
    tablet->setAccessibleName(QStringLiteral("Tafel mit den Zahlzeichen I, II, III und IV"));
    return tablet;
}

QLabel *ExercisePanel::addTaskLabel(const char *name, const QRect &geometry)
{
    taskLabel = new QLabel(this);
    taskLabel->setObjectName(QString::fromLatin1(name));
    taskLabel->setGeometry(geometry);
    taskLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    taskLabel->setAlignment(Qt::AlignCenter);
    taskLabel->setFont(sansFont(18));
    setBackground(taskLabel, labelColour);
    // Spoken as what it is; a numeral letter by letter, so that no speech synthesizer reads
    // out the number the learner is to find.
    QLabel *task = taskLabel;
    setSpokenName(
        task, [task] { return QString::fromStdString(TaskPhrase(task->text().toStdString())); });
    return taskLabel;
}

QLineEdit *ExercisePanel::addAnswerBox(const char *name, const QRect &geometry)
{
    answerBox = new QLineEdit(this);
    answerBox->setObjectName(QString::fromLatin1(name));
    answerBox->setGeometry(geometry);
    answerBox->setAlignment(Qt::AlignCenter);
    // Only the panel's keys change the answer: no focus, no typing, no menu, no mouse
    // selection or drop. Read-only rather than disabled, so the answer stays legible.
    answerBox->setReadOnly(true);
    answerBox->setFocusPolicy(Qt::NoFocus);
    answerBox->setContextMenuPolicy(Qt::NoContextMenu);
    answerBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    answerBox->setAccessibleName(QStringLiteral("Deine Antwort"));
    // Empty is acceptable, so white, from the start: emptying an empty box runs no check that
    // could set it, and a dark scheme's own base colour would show until the first key.
    setFaceColour(answerBox, white);
    return answerBox;
}

QLabel *ExercisePanel::addSolutionLabel(const char *name, const QRect &geometry)
{
    solutionLabel = new QLabel(this);
    solutionLabel->setObjectName(QString::fromLatin1(name));
    solutionLabel->setGeometry(geometry);
    solutionLabel->setVisible(false);
    return solutionLabel;
}

QPushButton *ExercisePanel::addClearButton(const char *name)
{
    auto *button = new QPushButton(QStringLiteral("löschen"), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(360, 2520, 1095, 495));
    button->setFont(sansFont(9.75));
    return button;
}

// A desktop may put an accelerator mark into a button's caption ("&M"), so the character a
// key appends is kept beside the caption, never read back from it.
static constexpr const char *keyCharacter = "keyCharacter";

QPushButton *ExercisePanel::makeKey(const char *name, const char *character, const QRect &geometry)
{
    auto *key = new QPushButton(QString::fromLatin1(character), this);
    key->setProperty(keyCharacter, QString::fromLatin1(character));
    key->setObjectName(QString::fromLatin1(name));
    key->setGeometry(geometry);
    key->setFont(fixedFont(24));
    return key;
}

int ExercisePanel::beginTask()
{
    // The answer goes before the solution: the nested check of the emptied answer must not
    // find it equal to an emptied solution and count a right answer.
    answerBox->setText(QString());
    solutionLabel->setText(QString());
    reseedFromClock();
    return programRandom().between(SmallestTaskNumber, LargestTaskNumber);
}

void ExercisePanel::announceTask()
{
    announce(taskLabel, spokenName(taskLabel));
}

void ExercisePanel::appendKeyCharacter(const QPushButton *key)
{
    answerBox->setText(answerBox->text() + key->property(keyCharacter).toString());
}

void ExercisePanel::clearAnswer()
{
    answerBox->setText(QString());
}

void ExercisePanel::checkAnswer()
{
    if (answerBox->text() == solutionLabel->text()) {
        raiseCounter(rightCounter);
        informationBox(this, QStringLiteral("Prima, die Eingabe ist richtig!\r\r"),
                       taskLabel->text() + QStringLiteral(" = ") + answerBox->text());
        startNewTask();
    }

    // Read afresh: after a right answer both belong to the new task.
    const QString answer = answerBox->text();
    const QString solution = solutionLabel->text();
    // The colour says it to the eye; the description says it to a screen reader that asks,
    // and the announcement to one that listens.
    if (!IsAcceptableAnswer(answer.toStdString(), solution.toStdString())) {
        setBackground(answerBox, red);
        const QString wrong = QString::fromStdString(WrongAnswerPhrase());
        answerBox->setAccessibleDescription(wrong);
        announce(answerBox, wrong, Urgency::Assertive);
        raiseCounter(wrongCounter);
    } else {
        setBackground(answerBox, white);
        answerBox->setAccessibleDescription(answer.isEmpty() ? QString()
                                                             : QStringLiteral("bisher richtig"));
    }
    if (static_cast<std::size_t>(answer.size()) > LongestAnswer)
        clearAnswer();
}

// A line edit lays its text out, and so loads its font, as soon as it is given one. The answer
// box gets its large font when its panel is first shown: a panel that stays out of sight, as
// both do at start, then costs no font.
void ExercisePanel::showEvent(QShowEvent *event)
{
    if (!answerBox->testAttribute(Qt::WA_SetFont))
        answerBox->setFont(sansFont(18));
    QWidget::showEvent(event);
}

void ExercisePanel::raiseCounter(QLabel *counter)
{
    counter->setText(QString::fromStdString(raisedNumber(counter->text().toStdString())));
}
