#include "platform/qt_texts.h"
#include "test_registry.h"

#include <QApplication>
#include <QTest>

std::vector<TestFactory> &registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    // As the program does: the words that Qt draws are German.
    if (!loadQtTextsInGerman())
        return 1;
    int failures = 0;
    for (const TestFactory &factory : registeredTests()) {
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
