#pragma once

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

namespace kirveno::testing {

// A café's day played from a seed through the file work the dialogs and the board do: openings,
// edits, moves and closings (with day roll-overs as the clock passes midnight). The same seed on
// the same files makes the same changes, so a test can play in its own folder what a killed
// process was doing in another.
class SessionScript
{
public:
    // Names of the sessions opened are "S<seed>-<n>", unique within a run of distinct seeds.
    SessionScript(QString folder, quint32 seed, QDateTime start);

    // Moves the clock on by a few minutes to a few hours and does one thing on a random table.
    void step();
    QDateTime clock() const { return m_clock; }

private:
    QString m_folder;
    quint32 m_seed;
    QRandomGenerator m_random;
    QDateTime m_clock;
    int m_opened = 0;
};

} // namespace kirveno::testing
