#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Lets each file of a test folder add its QtTest class to the folder's one program:
// write ZAHLZEICHEN_TEST(ClassName) after the class.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory> &registeredTests();

struct TestRegistration {
    explicit TestRegistration(TestFactory factory)
    {
        registeredTests().push_back(std::move(factory));
    }
};

#define ZAHLZEICHEN_TEST(Class)                                                                    \
    static const TestRegistration registration##Class([] { return std::make_unique<Class>(); });
