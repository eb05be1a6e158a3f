#include "exercises/number_table_lines.h"
#include "exercises/number_table_panel.h"
#include "platform/colours.h"
#include "platform/twips.h"
#include "test_registry.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <map>

namespace
{

constexpr std::array<int, 8> columnXs = {480, 980, 2520, 3120, 4560, 5160, 6600, 7000};

// The text printed at (x, y), or "" where nothing is.
QString textAt(const std::vector<PrintedLine> &lines, int x, int y)
{
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const PrintedLine &line) {
        return line.x == x && line.y == y;
    });
    return found == lines.end() ? QString() : QString::fromStdString(found->text);
}

QImage rendered(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

// The topmost pixel row that is not the panel's background, or -1.
int topmostInk(const QImage &image, const QColor &background)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                return y;
        }
    }
    return -1;
}

} // namespace

class NumberTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsPairEveryPartWithItsValue_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("texts"); // at the eight column places, left to right
        QTest::newRow("1") << 1
                           << QStringList{"M", "= 1000", "C", "= 100", "X", "= 10", "I", "= 1"};
        QTest::newRow("2") << 2
                           << QStringList{"MM", "= 2000", "CC", "= 200", "XX", "= 20", "II", "= 2"};
        QTest::newRow("4") << 4 << QStringList{"", "", "CD", "= 400", "XL", "= 40", "IV", "= 4"};
        QTest::newRow("9") << 9 << QStringList{"", "", "CM", "= 900", "XC", "= 90", "IX", "= 9"};
    }

    void rowsPairEveryPartWithItsValue()
    {
        QFETCH(int, row);
        QFETCH(QStringList, texts);
        const std::vector<PrintedLine> lines = NumberTableLines();
        const int top = 250 * row - 200;
        for (std::size_t column = 0; column < columnXs.size(); ++column)
            QCOMPARE(textAt(lines, columnXs[column], top), texts.at(column));
    }

    void columnsArePrintedOneAfterAnotherWithOneLineLessThanTheirTable()
    {
        const std::vector<PrintedLine> lines = NumberTableLines();
        std::vector<int> xsInOrder;
        std::map<int, int> linesPerX;
        for (const PrintedLine &line : lines) {
            if (xsInOrder.empty() || xsInOrder.back() != line.x)
                xsInOrder.push_back(line.x);
            ++linesPerX[line.x];
        }
        QCOMPARE(xsInOrder, std::vector<int>(columnXs.begin(), columnXs.end()));
        QCOMPARE(linesPerX[480], 3);
        QCOMPARE(linesPerX[980], 3);
        for (int x : {2520, 3120, 4560, 5160, 6600, 7000})
            QCOMPARE(linesPerX[x], 9);
        QCOMPARE(lines.front(), (PrintedLine{480, 50, "M"}));
        QCOMPARE(lines.back(), (PrintedLine{7000, 2050, "= 9"}));
    }

    void countsFollowTheTablesGiven()
    {
        constexpr std::array<std::string_view, 2> thousands = {"", "M"};
        constexpr std::array<std::string_view, 3> hundreds = {"", "C", "CC"};
        constexpr std::array<std::string_view, 1> tens = {""};
        constexpr std::array<std::string_view, 0> ones = {};
        const std::vector<PrintedLine> expected = {{480, 50, "M"},      {980, 50, "= 1000"},
                                                   {2520, 50, "C"},     {2520, 300, "CC"},
                                                   {3120, 50, "= 100"}, {3120, 300, "= 200"}};
        QCOMPARE(NumberTableLines(thousands, hundreds, tens, ones), expected);
    }

    void printingAgainClearsFirstAndNeverDoublesALine()
    {
        QWidget parent;
        parent.setFixedSize(682, 435);
        NumberTablePanel panel(&parent);
        setLeftTwips(&panel, 2160);
        const QImage blank = rendered(panel);

        panel.PrintNumberTable();
        const QImage once = rendered(panel);
        QVERIFY(once != blank);
        QCOMPARE(panel.printedLines().size(), std::size_t{60});

        panel.PrintNumberTable();
        panel.PrintNumberTable();
        QCOMPARE(panel.printedLines(), NumberTableLines());
        QCOMPARE(rendered(panel), once);
    }

    void firstLineHangsFromItsTopEdge()
    {
        QWidget parent;
        NumberTablePanel panel(&parent);
        panel.PrintNumberTable();
        // Y 50 is the top of the text: ink starts at or below it, within the first line.
        const int ink = topmostInk(rendered(panel), QColor(0, 255, 255));
        QVERIFY2(ink >= twips(50), qPrintable(QString::number(ink)));
        QVERIFY2(ink < twips(50) + panel.fontMetrics().height(), qPrintable(QString::number(ink)));
    }
};

ZAHLZEICHEN_TEST(NumberTableTest)

#include "number_table_test.moc"
