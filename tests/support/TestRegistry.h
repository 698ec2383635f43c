#pragma once
// Several QtTest classes share one executable per folder. Each class
// registers itself here; the shared main runs all of them, or the one named
// by "-class Name" (that is how CTest runs each class as its own test).
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

struct Registration {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<Registration>& registry();

struct Registrar {
    Registrar(const char* name, std::function<std::unique_ptr<QObject>()> make) {
        registry().push_back({name, std::move(make)});
    }
};

} // namespace testsupport

#define TABDECK_TEST(Class)                                                                        \
    static testsupport::Registrar tabdeck_registrar_##Class(                                       \
        #Class, [] { return std::unique_ptr<QObject>(new Class); });
