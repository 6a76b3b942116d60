#include "qtplatform.h"

#include "modules/modules.h"
#include "singleinstance.h"
#include "storage/programfiles.h"
#include "widgets/firstpaint.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>
#include <unistd.h>

namespace kirveno {

QtPlatform::QtPlatform(QString applicationTitle, SoundPlayer *(*makeSoundPlayer)())
    : m_title(std::move(applicationTitle))
    , m_makeSoundPlayer(makeSoundPlayer)
{}

QtPlatform::~QtPlatform() = default;

void QtPlatform::notice(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::ask(QWidget *parent, const QString &title, const QString &text, QuestionIcon icon)
{
    QMessageBox box(icon == QuestionIcon::Warning ? QMessageBox::Warning : QMessageBox::Question,
                    title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, m_title, text, QMessageBox::Ok, parent);
    box.exec();
}

SoundPlayer *QtPlatform::soundPlayer()
{
    if (!m_soundTried) {
        m_soundTried = true;
        QString error;
        if (MakeSoundPlayer *make = m_makeSoundPlayer ? m_makeSoundPlayer : soundModule(error))
            m_sound.reset(make());
        else
            qWarning("Sounds are not available: %s", qPrintable(error));
    }
    return m_sound.get();
}

void QtPlatform::playSound(const QString &wavPath)
{
    if (m_heldSounds)
        m_heldSounds->append(wavPath);
    else if (SoundPlayer *player = soundPlayer())
        player->play(wavPath);
}

void QtPlatform::holdSounds()
{
    m_heldSounds.emplace();
}

void QtPlatform::playSoundsOnceShown(QWidget &window, const QStringList &prepared)
{
    afterFirstPaint(window, [this, prepared] {
        const QStringList held = std::exchange(m_heldSounds, std::nullopt).value_or(QStringList());
        if (prepared.isEmpty() && held.isEmpty())
            return;
        if (SoundPlayer *player = soundPlayer()) {
            for (const QString &sound : prepared)
                player->prepare(sound);
            for (const QString &sound : held)
                player->play(sound);
        }
    });
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::restartProgram(const QString &folder)
{
    // The new process must not meet this one's claim while this one is still closing.
    m_instance.reset();
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            {QLatin1String(folderOption), folder});
}

QString QtPlatform::openFileName(QWidget *parent, const QString &filter,
                                 const QString &defaultSuffix)
{
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtPlatform::saveFileName(QWidget *parent, const QString &filter,
                                 const QString &defaultSuffix, const QString &defaultName)
{
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(defaultName);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void QtPlatform::print(QWidget *parent, const QString &documentName, const PrintJob &job)
{
    QString error;
    if (Print *printWithDialog = printModule(error))
        printWithDialog(parent, documentName, job);
    else
        showError(parent, error);
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::weekdayName(QDate date)
{
    return QLocale::system().dayName(date.dayOfWeek(), QLocale::LongFormat);
}

bool QtPlatform::claimSingleInstance(const QString &title, std::function<void()> raise)
{
    m_instance = std::make_unique<SingleInstance>(title);
    if (m_instance->claim(std::move(raise)))
        return true;
    m_instance.reset();
    return false;
}

quint64 QtPlatform::totalPhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? quint64(pages) * quint64(pageSize) : 0;
}

QString QtPlatform::operatingSystem()
{
    return QSysInfo::prettyProductName() + QStringLiteral("  ") + QSysInfo::kernelType()
           + QLatin1Char(' ') + QSysInfo::kernelVersion();
}

} // namespace kirveno
