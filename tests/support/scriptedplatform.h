#pragma once

#include "platform/platform.h"

#include <QPrinter>
#include <QStringList>
#include <QUrl>
#include <deque>

namespace kirveno::testing {

// A platform for tests: the clock is set by the test, questions are answered from a queue, and
// every message, sound, page and restart is recorded instead of shown.
class ScriptedPlatform : public Platform
{
public:
    void notice(QWidget *, const QString &text) override { notices.append(text); }
    bool ask(QWidget *, const QString &title, const QString &text, QuestionIcon icon) override
    {
        questions.append(title + QStringLiteral(" | ") + text);
        lastIcon = icon;
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showError(QWidget *, const QString &text) override { errors.append(text); }
    void playSound(const QString &wavPath) override { sounds.append(wavPath); }
    void openUrl(const QUrl &url) override { urls.append(url.toString()); }
    void restartProgram(const QString &folder) override
    {
        ++restarts;
        restartFolder = folder;
    }
    QString openFileName(QWidget *, const QString &filter, const QString &) override
    {
        filters.append(filter);
        return fileToOpen;
    }
    QString saveFileName(QWidget *, const QString &filter, const QString &,
                         const QString &) override
    {
        filters.append(filter);
        return fileToSave;
    }
    void print(QWidget *, const QString &documentName, const PrintJob &job) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(documentName);
        if (printDialog && printDialog(printer))
            job(printer, printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName());
    }
    QDateTime now() override { return clock; }
    QString weekdayName(QDate date) override
    {
        return QLocale(QLocale::English).dayName(date.dayOfWeek());
    }
    bool claimSingleInstance(const QString &title, std::function<void()>) override
    {
        claimedTitle = title;
        return !anotherInstance;
    }
    quint64 totalPhysicalMemory() override { return memory; }
    QString operatingSystem() override { return QStringLiteral("Test OS 1.0"); }

    void setClock(const QString &dateTime)
    {
        clock = QDateTime::fromString(dateTime, QStringLiteral("dd.MM.yyyy HH:mm"));
    }

    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
    std::deque<bool> answers;
    // Stands for the operator in the print dialog: sets up the printer (a PDF file, say) and
    // returns true, or returns false for Cancel. Without it every print dialog is cancelled.
    std::function<bool(QPrinter &)> printDialog;
    // Runs while a question is open, as the clock's ticks do behind a message box.
    std::function<void()> whileAsking;
    QStringList notices;
    QStringList questions;
    QuestionIcon lastIcon = QuestionIcon::Question;
    QStringList errors;
    QStringList sounds;
    QStringList urls;
    QStringList filters;
    QString fileToOpen;
    QString fileToSave;
    QString claimedTitle;
    bool anotherInstance = false;
    int restarts = 0;
    QString restartFolder;
    quint64 memory = 536870912;
};

} // namespace kirveno::testing
