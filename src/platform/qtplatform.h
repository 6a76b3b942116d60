#pragma once

#include "platform.h"

#include <memory>

namespace kirveno {

class SingleInstance;
class SoundPlayer;

class QtPlatform : public Platform
{
public:
    // The title of the program's message boxes.
    explicit QtPlatform(QString applicationTitle);
    ~QtPlatform() override;

    void notice(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &title, const QString &text,
             QuestionIcon icon) override;
    void showError(QWidget *parent, const QString &text) override;
    void playSound(const QString &wavPath) override;
    // Loads the sound module and the sound ahead of their first use, so that it plays at once.
    void prepareSound(const QString &wavPath);
    void openUrl(const QUrl &url) override;
    void restartProgram(const QString &folder) override;
    QString openFileName(QWidget *parent, const QString &filter,
                         const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                         const QString &defaultName) override;
    void print(QWidget *parent, const QString &documentName, const PrintJob &job) override;
    QDateTime now() override;
    QString weekdayName(QDate date) override;
    bool claimSingleInstance(const QString &title, std::function<void()> raise) override;
    quint64 totalPhysicalMemory() override;
    QString operatingSystem() override;

private:
    QString m_title;
    SoundPlayer *soundPlayer();

    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundTried = false;
    std::unique_ptr<SingleInstance> m_instance;
};

} // namespace kirveno
