#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>

class QChart;

// Sound, printing and the takings chart bring large libraries with them (audio servers and
// codecs, the print system, a chart engine). Each lives in a module of its own, a shared library
// loaded the first time it is needed, so that the board comes up without those libraries. The
// modules speak only Qt: the program hands them what they show, worded and measured.
namespace kirveno {

// Plays the program's short WAV sounds.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Reads the sound ahead of its first use, so that it plays at once.
    virtual void prepare(const QString &wavPath) = 0;
    virtual void play(const QString &wavPath) = 0;
};

// The bars of a chart as shown: a label on the axis (or none) and a text for the pointer.
struct ChartBar
{
    double value;
    QString axisLabel;
    QString pointerText;
};

struct ChartMark
{
    double value;
    QString label;
};

struct BarChart
{
    QString title;
    QList<ChartBar> bars;
    bool uprightLabels;
    QList<ChartMark> valueMarks; // at least two, from zero up, the last one the top of the axis
};

// A bar chart made inside a widget, which it fills.
class BarChartView
{
public:
    virtual ~BarChartView() = default;
    virtual void show(const BarChart &chart) = 0;
    virtual QChart *chart() const = 0;
};

// The modules' entry points; each is null when its module cannot be loaded, and `error` then
// says why, naming the file.
using MakeSoundPlayer = SoundPlayer *();
// The print dialog of Platform::print.
using Print = void(QWidget *parent, const QString &documentName, const PrintJob &job);
// The chart view is made as a child of the widget.
using MakeBarChartView = BarChartView *(QWidget &parent);

MakeSoundPlayer *soundModule(QString &error);
Print *printModule(QString &error);
MakeBarChartView *chartModule(QString &error);

} // namespace kirveno

// What the modules export, by these names (defined in each module with KIRVENO_MODULE_ENTRY).
#define KIRVENO_MODULE_ENTRY extern "C" Q_DECL_EXPORT
