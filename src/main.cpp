#include "platform/qt_texts.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    loadQtTextsInGerman();
    Form1 window;
    window.show();
    return application.exec();
}
