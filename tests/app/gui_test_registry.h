#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vartel {

// Every Qt Test object of the GUI tests, each in its own file, runs from one shared main.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<GuiTestFactory>& guiTests() {
    static std::vector<GuiTestFactory> tests;
    return tests;
}

struct GuiTestRegistration {
    explicit GuiTestRegistration(GuiTestFactory factory) {
        guiTests().push_back(std::move(factory));
    }
};

}  // namespace vartel

#define VARTEL_GUI_TEST(TestClass)                                    \
    static const vartel::GuiTestRegistration registration##TestClass{ \
        [] { return std::unique_ptr<QObject>(std::make_unique<TestClass>()); }};
