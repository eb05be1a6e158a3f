#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <random>

class QMessageBox;

// Answers every modal message box that opens while it lives with a button drawn from its
// own seeded generator, or now and then with Escape or Enter, so a monkey run takes the
// same answers whenever the same boxes come in the same order. Boxes are caught when they
// are shown and answered from the nested event loop that shows them.
class RandomBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit RandomBoxAnswerer(std::uint64_t seed);
    ~RandomBoxAnswerer() override;

    int boxesAnswered() const { return answered; }
    // How many boxes said what, and which answers they got, for the run's report.
    const QHash<QString, int> &answersByText() const { return tally; }
    // How many boxes opened whose text begins with this line.
    int boxesSaying(const QString &firstLine) const { return saying.value(firstLine); }
    // A description of any box that broke the rules every box of the program keeps.
    QString fault() const { return problem; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answerBox(QPointer<QMessageBox> box);

    std::mt19937_64 random;
    int answered = 0;
    QHash<QString, int> tally;
    QHash<QString, int> saying;
    QString problem;
};
