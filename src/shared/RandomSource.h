#pragma once
// Chance comes in from outside: the list draws ask a RandomSource, so that the
// program uses the system's generator and tests decide every draw.

#include <QList>
#include <QPair>

namespace haz {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from lowest to highest, both included (lowest <= highest).
    virtual int bounded(int lowest, int highest) = 0;
};

// The system's generator.
class SystemRandomSource : public RandomSource {
public:
    int bounded(int lowest, int highest) override;
};

// Answers with the queued numbers in turn and records every request. A queued
// number outside the requested range, or a request with nothing queued, is
// RuntimeError 5: a test that asks for a draw it did not plan is wrong.
class ScriptedRandomSource : public RandomSource {
public:
    int bounded(int lowest, int highest) override;
    void queue(int value) { m_values.append(value); }
    const QList<QPair<int, int>> &requests() const { return m_requests; }

private:
    QList<int> m_values;
    QList<QPair<int, int>> m_requests;
};

} // namespace haz
