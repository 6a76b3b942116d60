#pragma once

#include "platform.h"

#include <QHash>
#include <memory>

class QSoundEffect;

namespace kirveno {

class SingleInstance;

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
    void openUrl(const QUrl &url) override;
    void restartProgram(const QString &folder) override;
    QString openFileName(QWidget *parent, const QString &filter,
                         const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                         const QString &defaultName) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QDateTime now() override;
    QString weekdayName(QDate date) override;
    bool claimSingleInstance(const QString &title, std::function<void()> raise) override;
    quint64 totalPhysicalMemory() override;
    QString operatingSystem() override;

private:
    QString m_title;
    QHash<QString, QSoundEffect *> m_sounds;
    std::unique_ptr<SingleInstance> m_instance;
};

} // namespace kirveno
