#pragma once
// The choices of a seeded monkey session: which control, how many of
// something, what scrap of text; the same seed makes the same session.
#include <QString>
#include <QWidget>

#include <random>
#include <string_view>
#include <vector>

class SeededChoice {
public:
    void seed(unsigned value) { random_.seed(value); }

    // One of 0 .. count - 1.
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

    // One of the widgets the user could use now (shown and enabled), if any.
    template <typename T>
    T *pickUsable(const std::vector<T *> &widgets)
    {
        std::vector<T *> usable;
        for (T *w : widgets) {
            if (w->isVisible() && w->isEnabled())
                usable.push_back(w);
        }
        return usable.empty() ? nullptr : usable[pick(usable.size())];
    }

    // Up to `longest` characters drawn from `characters`.
    QString scrap(std::string_view characters, std::size_t longest)
    {
        QString text;
        for (std::size_t n = pick(longest); n > 0; --n)
            text += QChar(characters[pick(characters.size())]);
        return text;
    }

private:
    std::mt19937 random_;
};
