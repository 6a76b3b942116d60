// The sound module: the program's WAV sounds through Qt Multimedia.
#include "modules.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace kirveno {
namespace {

class EffectPlayer : public SoundPlayer
{
public:
    ~EffectPlayer() override { qDeleteAll(m_effects); }

    void prepare(const QString &wavPath) override { effect(wavPath); }

    void play(const QString &wavPath) override
    {
        QSoundEffect *sound = effect(wavPath);
        if (sound && sound->status() != QSoundEffect::Error)
            sound->play();
    }

private:
    // A missing file stays silent, and is looked for again next time.
    QSoundEffect *effect(const QString &wavPath)
    {
        if (!QFileInfo::exists(wavPath))
            return nullptr;
        QSoundEffect *&effect = m_effects[wavPath];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(wavPath));
        }
        return effect;
    }

    QHash<QString, QSoundEffect *> m_effects;
};

} // namespace
} // namespace kirveno

KIRVENO_MODULE_ENTRY kirveno::SoundPlayer *kirvenoMakeSoundPlayer()
{
    return new kirveno::EffectPlayer;
}
