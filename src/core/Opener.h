#pragma once
#include <QString>

class QObject;

// Opening a path or address through the desktop ("open" verb). Returns at
// once; callers never examine the outcome. The owner is the window asking.
class Opener {
public:
    virtual ~Opener() = default;
    virtual void open(QObject* owner, const QString& path) = 0;
};
