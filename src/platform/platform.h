#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QUrl;
class QWidget;

// The one door to the outside world: message boxes, sound, web pages, restart, file dialogs,
// the clock, the single-instance guard and what the machine is. The program runs on
// QtPlatform; tests run on a scripted one.
namespace kirveno {

enum class QuestionIcon { Question, Warning };

// What a print job is given: the page to paint on, and where it goes (the printer's name or the
// file's) for a message when painting fails.
using PrintJob = std::function<void(QPagedPaintDevice &page, const QString &destination)>;

class Platform
{
public:
    virtual ~Platform() = default;

    // A message box with an OK button and no icon.
    virtual void notice(QWidget *parent, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(QWidget *parent, const QString &title, const QString &text,
                     QuestionIcon icon) = 0;
    // The error display for a command that failed: a file that cannot be read or written, a
    // text that is not a number.
    virtual void showError(QWidget *parent, const QString &text) = 0;

    // Starts a wave file and returns at once; a missing or unplayable file is passed over.
    virtual void playSound(const QString &wavPath) = 0;
    virtual void openUrl(const QUrl &url) = 0;
    // Starts the program anew on the given program folder; the caller then closes the board,
    // which ends this process.
    virtual void restartProgram(const QString &folder) = 0;

    // Empty when the operator cancels.
    virtual QString openFileName(QWidget *parent, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter,
                                 const QString &defaultSuffix, const QString &defaultName) = 0;

    // The print dialog: the operator chooses the printer (or a PDF file) and the copies, then the
    // job sets the paper and paints; nothing when the operator cancels.
    virtual void print(QWidget *parent, const QString &documentName, const PrintJob &job) = 0;

    virtual QDateTime now() = 0;
    // The full weekday name in the system's language.
    virtual QString weekdayName(QDate date) = 0;

    // Makes this process the only one running under the title. When another already runs, asks
    // it to come to the front and returns false; this process should then end with code 0.
    // The first one's raise request is delivered to the callback.
    virtual bool claimSingleInstance(const QString &title, std::function<void()> raise) = 0;

    virtual quint64 totalPhysicalMemory() = 0;
    virtual QString operatingSystem() = 0;
};

} // namespace kirveno
