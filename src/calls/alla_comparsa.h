#pragma once
#include <QEvent>
#include <QObject>
#include <functional>

// Runs a function each time a window is shown.
class AllaComparsa : public QObject {
public:
    AllaComparsa(QObject* padre, std::function<void()> f) : QObject(padre), f(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            f();
        return false;
    }

private:
    std::function<void()> f;
};
