#pragma once

#include "platform.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace kirveno {

class SingleInstance;
class SoundPlayer;

class QtPlatform : public Platform
{
public:
    // The title of the program's message boxes. The sounds play through the sound module, or
    // through the player `makeSoundPlayer` makes when one is given.
    explicit QtPlatform(QString applicationTitle, SoundPlayer *(*makeSoundPlayer)() = nullptr);
    ~QtPlatform() override;

    void notice(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &title, const QString &text,
             QuestionIcon icon) override;
    void showError(QWidget *parent, const QString &text) override;
    void playSound(const QString &wavPath) override;
    // Holds the sounds asked for from now on back (the bell of a limit that ran out while the
    // program was closed rings as the board is built), so that the start does not wait for the
    // audio libraries.
    void holdSounds();
    // Once the window is first on screen, loads the audio libraries and the sounds named, which
    // play at once from then on, and plays what was held.
    void playSoundsOnceShown(QWidget &window, const QStringList &prepared);
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

    SoundPlayer *(*m_makeSoundPlayer)();
    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundTried = false;
    std::optional<QStringList> m_heldSounds;
    std::unique_ptr<SingleInstance> m_instance;
};

} // namespace kirveno
