#include "worksheets/editor_panel.h"

#include "platform/announcement.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/spoken_words.h"
#include "platform/twips.h"
#include "widgets/list_box.h"
#include "widgets/picture_box.h"
#include "worksheets/clipboard_text.h"
#include "worksheets/editor_number.h"
#include "worksheets/entry_rule.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>

namespace
{

const QColor PanelBlue(0, 0, 192);

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString captionOf(WorksheetKind kind)
{
    return fromUtf8(worksheetCaption(kind));
}

QPushButton *button(EditorPanel *panel, const char *name, const QString &caption, int top,
                    void (EditorPanel::*handler)())
{
    auto *result = new QPushButton(caption, panel);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(twipsRect(120, top, 1335, 375));
    QObject::connect(result, &QPushButton::clicked, panel, handler);
    return result;
}

QLabel *heading(QWidget *panel, const char *name, const QString &caption, QRect geometry)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    setBackground(label, PanelBlue);
    setForeground(label, paletteColour(15));
    return label;
}

QListWidget *list(QWidget *panel, const char *name, int left, int width, const QColor &colour)
{
    // A click that leaves no line marked would leave "Löschen" with nothing to remove.
    auto *result = new ListBox(panel);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(twipsRect(left, 360, width, 5700));
    result->setFont(fixedFont(12));
    setBackground(result, colour);
    return result;
}

// The row of the line selected in a list, or -1 when none is.
int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

std::string lineOf(const QListWidget *list, int row)
{
    return list->item(row)->text().toStdString();
}

} // namespace

EditorPanel::EditorPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bild7"));
    setGeometry(twipsRect(10800, 120, 9975, 6255));
    setBackground(this, PanelBlue);
    // The main window's default font, so the buttons look alike wherever the panel sits.
    setFont(sansFont(8.25));
    setAccessibleName(QStringLiteral("Arbeitsblatt-Editor"));

    Befehl27 =
        button(this, "Befehl27", QStringLiteral("Abbrechen"), 360, &EditorPanel::Befehl27_Click);
    Befehl28 =
        button(this, "Befehl28", QStringLiteral("Leseblatt"), 960, &EditorPanel::Befehl28_Click);
    Befehl31 = button(this, "Befehl31", QStringLiteral("Schreibblatt"), 1320,
                      &EditorPanel::Befehl31_Click);
    Befehl32 = button(this, "Befehl32", QStringLiteral("Lösungsblatt"), 1680,
                      &EditorPanel::Befehl32_Click);
    Befehl33 = button(this, "Befehl33", QStringLiteral("Alle löschen"), 2280,
                      &EditorPanel::Befehl33_Click);
    Befehl34 =
        button(this, "Befehl34", QStringLiteral("Kopieren"), 2880, &EditorPanel::Befehl34_Click);

    Bild8 = new PictureBox(QStringLiteral("column-small"), PanelBlue, this);
    Bild8->setObjectName(QStringLiteral("Bild8"));
    Bild8->setGeometry(twipsRect(240, 3360, 1095, 975));
    Bild8->setAccessibleName(QStringLiteral("Bild einer römischen Säule"));

    Bezeichnung19 = heading(this, "Bezeichnung19", QStringLiteral("Zahl eingeben:"),
                            twipsRect(120, 4440, 1335, 255));

    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setGeometry(twipsRect(120, 4680, 1335, 375));
    Text3->setFont(sansFont(9.75));
    setBackground(Text3, QColor(128, 255, 255));
    Text3->setAccessibleName(QStringLiteral("Zahl eingeben"));
    connect(Text3, &QLineEdit::textChanged, this, &EditorPanel::Text3_Change);

    Befehl29 =
        button(this, "Befehl29", QStringLiteral("Zufallszahl"), 5160, &EditorPanel::Befehl29_Click);
    Befehl30 =
        button(this, "Befehl30", QStringLiteral("Löschen"), 5640, &EditorPanel::Befehl30_Click);

    Bezeichnung17 = heading(this, "Bezeichnung17", QStringLiteral("Deutsche Zahlen:"),
                            twipsRect(1680, 120, 1935, 255));
    Bezeichnung16 = heading(this, "Bezeichnung16", QStringLiteral("Römische Zahlen:"),
                            twipsRect(3720, 120, 1935, 255));
    Bezeichnung18 = heading(this, "Bezeichnung18", captionOf(WorksheetKind::Solution),
                            twipsRect(5760, 120, 1935, 255));
    for (QLabel *label : {Bezeichnung17, Bezeichnung16, Bezeichnung18})
        label->setFont(sansFont(9.75));

    Liste5 = list(this, "Liste5", 1680, 1935, QColor(192, 255, 255));
    // Every line is a padded number, four characters of a fixed-pitch font: with one size for
    // all, adding a number does not measure all the others again.
    Liste5->setUniformItemSizes(true);
    Liste6 = list(this, "Liste6", 3720, 1935, QColor(128, 255, 255));
    Liste7 = list(this, "Liste7", 5760, 4095, QColor(0, 255, 255));
    Liste5->setAccessibleName(QStringLiteral("Deutsche Zahlen"));
    Liste6->setAccessibleName(QStringLiteral("Römische Zahlen"));
    Liste7->setAccessibleName(QStringLiteral("Arbeitsblatt"));
}

QWidget *EditorPanel::numberEntry() const
{
    return Text3;
}

void EditorPanel::Befehl27_Click()
{
    setLeftTwips(this, 10800);
}

void EditorPanel::Text3_Change()
{
    // Setting the text below changes it once more. That nested change is carried out by this
    // loop instead of by a nested run, whose depth would grow with the length of a paste.
    if (applyingEntryRule)
        return;
    const QScopedValueRollback<bool> applying(applyingEntryRule, true);
    int messages = 0;
    for (;;) {
        const QString read = Text3->text();
        std::string digits = keepDigits(read.toStdString());
        const std::size_t allowed = lengthBelowLimit(digits);
        if (allowed < digits.size()) {
            if (messages < MaxLimitMessagesPerChange) {
                ++messages;
                informationBox(this, QStringLiteral("Die maximale Zahl ist 3999.\r\r"),
                               QStringLiteral("Zahlgröße"));
                digits.pop_back();
            } else {
                digits.resize(allowed);
            }
        }
        const QString result = QString::fromStdString(digits);
        if (result == read)
            break;
        Text3->setText(result);
    }
    Text3->setCursorPosition(static_cast<int>(Text3->text().size()));
    Text3->setFocus();
}

void EditorPanel::Befehl29_Click()
{
    reseedFromClock();
    const int number = static_cast<int>(programRandom().fraction() * EntryLimit);
    Text3->setText(QString::number(number));
    AddEditorNumber();
}

void EditorPanel::AddEditorNumber()
{
    const QString entry = Text3->text();
    if (entry.isEmpty())
        return;
    const EditorNumber number = EditorNumber::fromEntry(entry.toStdString());
    Liste5->addItem(QString::fromStdString(number.padded));
    Liste6->addItem(QString::fromStdString(number.numeral));
    rebuildCurrentWorksheet();
    selectLastLines();
    const int added = Liste5->count() - 1;
    announce(this,
             QString::fromStdString(LineAddedPhrase(lineOf(Liste5, added), lineOf(Liste6, added))));
    Text3->setText(QString());
}

void EditorPanel::Befehl28_Click()
{
    buildWorksheet(WorksheetKind::Reading);
}

void EditorPanel::Befehl31_Click()
{
    buildWorksheet(WorksheetKind::Writing);
}

void EditorPanel::Befehl32_Click()
{
    buildWorksheet(WorksheetKind::Solution);
}

void EditorPanel::buildWorksheet(WorksheetKind kind)
{
    Bezeichnung18->setText(captionOf(kind));
    Liste7->clear();
    for (int row = 0; row < Liste5->count(); ++row) {
        Liste7->addItem(
            QString::fromStdString(worksheetLine(kind, lineOf(Liste5, row), lineOf(Liste6, row))));
    }
}

// The heading names the worksheet shown; that kind is built again from all numbers.
void EditorPanel::rebuildCurrentWorksheet()
{
    const QString caption = Bezeichnung18->text();
    for (WorksheetKind kind : WorksheetKinds) {
        if (caption == captionOf(kind))
            buildWorksheet(kind);
    }
}

void EditorPanel::selectLastLines()
{
    const int last = Liste5->count() - 1;
    for (QListWidget *list : {Liste5, Liste6, Liste7})
        list->setCurrentRow(last);
}

void EditorPanel::Befehl30_Click()
{
    // Liste5 keeps a marked line while it holds lines; only empty lists have none, and then
    // removing nothing keeps the three lists parallel.
    const int row = selectedRow(Liste5);
    if (row < 0)
        return;
    const std::string removed = LineRemovedPhrase(lineOf(Liste5, row), lineOf(Liste6, row));
    for (QListWidget *list : {Liste5, Liste6, Liste7})
        delete list->takeItem(row);
    selectLastLines();
    announce(this, QString::fromStdString(removed));
}

void EditorPanel::Befehl33_Click()
{
    for (QListWidget *list : {Liste5, Liste6, Liste7})
        list->clear();
}

void EditorPanel::Befehl34_Click()
{
    std::vector<std::string> lines;
    for (int row = 0; row < Liste7->count(); ++row)
        lines.push_back(lineOf(Liste7, row));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto *sheet = new QMimeData;
    sheet->setText(QString::fromStdString(clipboardText(lines)));
    // An empty sheet leaves nothing but the empty text.
    if (!lines.empty())
        sheet->setHtml(QString::fromStdString(clipboardHtml(lines)));
    clipboard->setMimeData(sheet);

    const QString name = Bezeichnung18->text().chopped(1);
    informationBox(
        this, QStringLiteral("Das ") + name + QStringLiteral(" wurde in die Ablage kopiert.\r\r"),
        QStringLiteral("Kopieren (in CourierNew)"));
}
