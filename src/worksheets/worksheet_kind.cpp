#include "worksheets/worksheet_kind.h"

std::string_view worksheetCaption(WorksheetKind kind)
{
    switch (kind) {
    case WorksheetKind::Reading:
        return "Leseblatt:";
    case WorksheetKind::Writing:
        return "Schreibblatt:";
    case WorksheetKind::Solution:
        break;
    }
    return "Lösungsblatt:";
}

std::string worksheetLine(WorksheetKind kind, std::string_view padded, std::string_view numeral)
{
    std::string line;
    switch (kind) {
    case WorksheetKind::Reading:
        line = "________ = ";
        line += numeral;
        break;
    case WorksheetKind::Writing:
        line = padded;
        line += " = ____________________";
        break;
    case WorksheetKind::Solution:
        line = padded;
        line += " = ";
        line += numeral;
        break;
    }
    return line;
}
